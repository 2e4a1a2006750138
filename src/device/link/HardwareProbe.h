#pragma once

#include "platform/HidrawNodeList.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct Product;

// What a first owner of a real mouse can send in when something differs: every hidraw node of the
// product's vendor (or every node), its collections and report sizes, which node the program would
// use for commands and status and why, whether this user may open each node, and the udev properties
// the access rule matches. Read only: nodes are opened and closed, never written to.
class HardwareProbe
{
public:
    struct Node
    {
        HidrawNodeDetails details;
        QString role; // "receiver", "cable", or empty when the ids are neither
        bool used = false; // a handle would be opened on it
        QString use; // what the program would do with it, and why
        int openError = 0; // errno of opening it for reading and writing; 0 when that worked
        bool readable = false; // it opened for reading at least
        quint32 mode = 0; // permission bits of the node
        QString rule; // whether the installed udev rule matches it
    };

    // Probes for `product`, which must outlive the probe.
    explicit HardwareProbe(const Product &product)
        : m_product(product)
    { }

    // Looks at the system now: the device table as the program builds it, and udev's nodes.
    // Without `all`, only the nodes of the receiver's and the cable's vendor are kept.
    void run(bool all);

    // The product looked for.
    const Product &product() const { return m_product; }
    const QVector<Node> &nodes() const { return m_nodes; }
    // The node and collection commands would go to ("/dev/hidraw3&col04"); empty when none.
    QByteArray commandPath() const { return m_commandPath; }
    // The node status and battery reports would be read from; empty when none.
    QByteArray statusPath() const { return m_commandPath; }
    // The whole listing, one line each. Serial numbers only `withSerials`.
    QStringList lines(bool withSerials) const;

private:
    void describeUse(Node &node) const;

    const Product &m_product;
    QVector<Node> m_nodes;
    bool m_all = false;
    int m_otherNodes = 0; // nodes left out without `all`
    QByteArray m_commandPath;
    QString m_commandWhy;
    QString m_tableName;
    QString m_currentProduct;
    quint16 m_vendorId[2] = {};
    quint16 m_productId[2] = {};
    QByteArray m_path[4]; // present interfaces of the table's entry, by DeviceInterface
    bool m_groupComplete[2] = {};
    QString m_rulePath;
    QVector<QPair<QByteArray, QByteArray>> m_ruleIds; // vendor and product of each line of the rule
    bool m_hidStarted = false;
};
