#include "platform/LogCategories.h"

#include <QCoreApplication>

Q_LOGGING_CATEGORY(lcDevice, "mousecfg.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUpload, "mousecfg.upload", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "mousecfg.ui", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPlatform, "mousecfg.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStartup, "mousecfg.startup", QtInfoMsg)

namespace {

// Every program of the project reads MOUSECFG_DEBUG as its application starts; QT_LOGGING_RULES is
// applied after these rules, so it still has the last word.
void applyDebugEnvironment()
{
    const QByteArray value = qgetenv("MOUSECFG_DEBUG").trimmed();
    if (!value.isEmpty() && value != "0")
        QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=true"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(applyDebugEnvironment)
