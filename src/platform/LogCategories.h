#pragma once

#include <QLoggingCategory>

// Diagnostics of each subsystem. Their debug messages are off unless MOUSECFG_DEBUG=1 is set or
// QT_LOGGING_RULES turns a category on (for example "mousecfg.device.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcUpload)
Q_DECLARE_LOGGING_CATEGORY(lcUi)
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
// How long each step of the window's start took (mousecfg-bench --startup turns it on).
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
