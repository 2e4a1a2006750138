#pragma once

#include <QString>

// Exit codes of mousecfg-cli beyond the device result codes 0..5; the D-Bus errors carry the same.
enum CliExit {
    ExitUsage = 64, // wrong command line
    ExitRefused = 65, // file refused: incomplete, damaged, wrong kind, another product's, name taken
    ExitNoInput = 66, // a file to read is missing, a folder, or may not be read
    ExitCannotWrite = 73, // a file could not be written
    ExitBusy = 75, // the running window is sending to the mouse: try again
    ExitNoPermission = 77, // the mouse is plugged in, but the user may not open it
};

// How a shared operation ended. `code` and the fields tell the window which box to show; `exitCode`
// and `message` are what the command-line tool prints (and what a D-Bus error carries).
struct OperationResult
{
    enum Code {
        Done,
        DeviceFailed, // the mouse's result `device` (no mouse, no confirmation, asleep, ...)
        Refused, // the import check refused `path` (damaged, cut off, the wrong kind, not readable)
        OtherProduct, // `path` is stamped for another product, `name`
        NameUsed, // a profile of the file's name `name` is held by slot `slot`
        NameExists, // the library already has a profile `name`
        BadName, // `name` cannot name a profile file
        Unreadable, // `path` could not be read
        CannotWrite, // `path` could not be written
        Busy, // the window is in the middle of an upload
        BadValue, // a setting refused the value: `message` names what is allowed
    };

    Code code = Done;
    QString path;
    QString name;
    int slot = -1;
    quint8 device = 0;
    // The mouse's result was success, but some reports got no answer at all (they count as sent).
    bool unconfirmed = false;
    // The exit code of the command-line tool: 0, a device result code, or a CliExit.
    int exitCode = 0;
    // The tool's one line about a failure, without its "mousecfg-cli: " prefix; empty on success.
    QString message;

    // True when the operation succeeded.
    bool ok() const { return code == Done; }
    // True when the tool prefixes `message` with its name (file failures; device results stand alone).
    bool prefixed() const { return code != DeviceFailed; }

    // Success.
    static OperationResult done() { return {}; }
    // The mouse's result `status` of an upload or a switch; success when 0.
    static OperationResult fromDevice(quint8 status);
    // `path` could not be written.
    static OperationResult cannotWrite(const QString &path);
    // `path` could not be read: the import check's words when it can tell why.
    static OperationResult unreadable(const QString &path);
    // The window is sending to the mouse and takes no other change meanwhile.
    static OperationResult busy();
    // A setting refused its value; `message` names the allowed values.
    static OperationResult badValue(const QString &message);
};

// The tool's words for a device result code ("Done.", "No mouse connected.", ...).
QString DeviceResultText(quint8 status);
// The tool's line for the mouse's result of `result`: as DeviceResultText, saying so when the mouse
// did not confirm.
QString DeviceResultLine(const OperationResult &result);
// A path as one line of a message: a name with line breaks must not split it.
QString ShownPath(const QString &path);
