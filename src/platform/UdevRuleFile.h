#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A udev rule file read the way udev matches its lines against a hidraw node: KERNEL, SUBSYSTEM and
// ATTRS{idVendor}/ATTRS{idProduct} compared as udev compares them (shell patterns, "|" between
// alternatives, case as written, "==" and "!="). Other keys of a line are taken to hold.
class UdevRuleFile
{
public:
    // Reads the rule file at `path`; a file that cannot be read has no lines.
    explicit UdevRuleFile(const QString &path);

    // True when a line that names a vendor matches the node `kernelName` (udev's KERNEL, "hidraw3")
    // below a USB device with these idVendor and idProduct attributes.
    bool matches(const QByteArray &kernelName, const QByteArray &vendor, const QByteArray &product) const;
    // "vendor:product" as each line that names a vendor writes them, in file order.
    QStringList namedDevices() const;

private:
    struct Comparison
    {
        QByteArray key; // "KERNEL", "ATTRS{idVendor}", ...
        bool equal = true; // "==", else "!="
        QByteArray pattern;
    };
    using Line = QVector<Comparison>;

    void parse(const QByteArray &text);
    static QByteArray patternOf(const Line &line, const char *key);

    QVector<Line> m_lines; // only lines that compare ATTRS{idVendor}
};
