#pragma once

#include "device/upload/CommandSet.h"
#include "device/upload/UploadThreadState.h"

class DeviceLink;
class StatusThreadControl;
struct Product;

// The upload side of one program's mouse: its command set, what the uploads remember, and the
// upload of a whole snapshot, which pauses the status thread for its duration.
class DeviceUpload
{
public:
    // Sends through `link`; pauses the status thread through `status`; encodes for `product`, which
    // must outlive the upload side.
    DeviceUpload(DeviceLink &link, StatusThreadControl &status, const Product &product);

    // The command set on the link.
    CommandSet &commands() { return m_commands; }
    // The records and flags the uploads keep.
    UploadState &state() { return m_state; }

    // Uploads a snapshot: begin, general settings, the changed groups, apply, macros, end.
    // Pauses the status thread for the duration; stops at the first failing frame and returns its code.
    quint8 WriteProfileToDevice(const ConfigData &snapshot, int groups);

private:
    // The blocks of WriteProfileToDevice, with the status thread stopped and held.
    quint8 writeProfile(const ConfigData &snapshot, int groups);
    CommandSet m_commands;
    UploadState m_state;
    StatusThreadControl &m_status;
    const Product &m_product;
};
