#pragma once

#include "platform/HidrawNode.h"

#include <QString>
#include <QStringList>
#include <QVector>

// A hidraw node as udev describes it: what the program reads from it, and what a bug report about
// it needs.
struct HidrawNodeDetails
{
    HidrawNode node; // ids, release, interface and collections, as the hot-plug monitor reads them
    QByteArray kernelName; // udev's KERNEL: "hidraw3"
    int bus = 0; // HID bus: 3 USB, 5 Bluetooth
    QString name; // HID_NAME of the hid device
    QString serial; // the USB device's serial number, else HID_UNIQ
    // ATTRS{idVendor} and ATTRS{idProduct} of the USB device above the node, as udev rules see them
    // (empty when there is none).
    QByteArray usbVendorAttribute;
    QByteArray usbProductAttribute;
    QStringList tags; // udev tags of the node: "uaccess" once a rule gave it to the user at the seat
};

// Every hidraw node udev knows, in node number order; empty when udev cannot be reached.
QVector<HidrawNodeDetails> listHidrawNodes();
