#include "storage/ImportCheck.h"

#include "storage/AppPaths.h"
#include "storage/ConfigData.h"
#include "storage/ImportLimit.h"
#include "storage/IniSafety.h"
#include "storage/ProfileKeys.h"

#include <QColor>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QVector>

namespace {

enum ValueType { Number, Text, Colour };

struct RequiredKey
{
    QString key;
    ValueType type;
};

// A settings format that never touches its file: what a writer emits stays in memory, with its types.
QSettings::Format scratchFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("mousecfg-layout"), [](QIODevice &, QSettings::SettingsMap &) { return true; },
        [](QIODevice &, const QSettings::SettingsMap &) { return true; });
    return format;
}

// Every key the profile writer emits into group `section`, with the type it writes. Taken from the
// writer itself, so that the check follows the layout wherever it changes.
QVector<RequiredKey> writtenProfileKeys(const QString &section, SleepKeys sleepKeys)
{
    QVector<RequiredKey> keys;
    // The settings object still saves its (empty) file when it goes: into a folder that goes too, or
    // where nothing can be created.
    QTemporaryDir scratchDir;
    const QString scratchPath = scratchDir.isValid() ? scratchDir.filePath(QStringLiteral("layout"))
                                                     : QStringLiteral("/nonexistent/mousecfg-layout");
    QSettings scratch(scratchPath, scratchFormat());
    WriteProfileKeys(scratch, section, ProfileData(), sleepKeys);
    for (const QString &key : scratch.allKeys()) {
        const int type = scratch.value(key).userType();
        keys.append({ key, type == QMetaType::QString ? Text : type == QMetaType::QColor ? Colour : Number });
    }
    return keys;
}

// A profile file: its section without the two keys older files lack.
const QVector<RequiredKey> &profileLayout()
{
    static const QVector<RequiredKey> keys
        = writtenProfileKeys(QStringLiteral("PROFILE"), SleepKeys::Omitted);
    return keys;
}

// A configuration export: the global values, then the five profile sections. The slot names
// ("Config/Profile1".."5") came later and stay optional.
const QVector<RequiredKey> &configurationLayout()
{
    static const QVector<RequiredKey> keys = [] {
        QVector<RequiredKey> all;
        for (const char *key : { "ProfileID", "AngleValue", "LiftHigh", "Sync", "Jitter", "Debounce", "Wake",
                                 "SensorMode", "Count" })
            all.append({ QStringLiteral("Config/") + QLatin1String(key), Number });
        for (int k = 0; k < ProfileSlots; ++k)
            all += writtenProfileKeys(QStringLiteral("PROFILE_%1").arg(k), SleepKeys::Omitted);
        return all;
    }();
    return keys;
}

bool readableAs(const QVariant &value, ValueType type)
{
    switch (type) {
    case Text:
        return true;
    case Colour:
        return value.userType() == QMetaType::QColor
            || (value.userType() == QMetaType::QString && QColor::isValidColor(value.toString()));
    case Number:
        break;
    }
    if (value.userType() == QMetaType::QStringList)
        return false;
    bool ok = false;
    value.toLongLong(&ok);
    return ok;
}

// The kind the file's groups show; a file with nothing but this program's product stamp counts as the
// kind expected, so that it is refused as incomplete rather than as a stranger.
ImportCheck::Kind kindOf(const QSettings &file, ImportCheck::Kind expected)
{
    static const QRegularExpression exportSection(QStringLiteral("^PROFILE_\\d+$"));
    const QStringList groups = file.childGroups();
    if (groups.contains(QStringLiteral("Config")) || !groups.filter(exportSection).isEmpty())
        return ImportCheck::Configuration;
    if (groups.contains(QStringLiteral("PROFILE")))
        return ImportCheck::Profile;
    return groups.contains(QStringLiteral("MouseName")) ? expected : ImportCheck::Unknown;
}

} // namespace

ImportCheck::ImportCheck(const QString &path, Kind expected, const QStringList &heldNames)
    : m_expected(expected)
{
    const QFileInfo info(path);
    if (!info.exists())
        m_result = NoSuchFile;
    else if (info.isDir())
        m_result = Folder;
    else if (!info.isFile())
        m_result = NotPlainFile;
    else if (!info.isReadable())
        m_result = NoPermission;
    else if ((m_size = info.size()) > MaxImportFileSize)
        m_result = TooLarge;
    else {
        const IniReader file(path);
        checkKeys(file, expected);
        if (m_result == Accepted && expected == Configuration)
            checkNames(file, heldNames);
    }
}

ImportCheck ImportCheck::checkContent(const QSettings &file, Kind expected, const QStringList &heldNames)
{
    ImportCheck check;
    check.m_expected = expected;
    check.checkKeys(file, expected);
    if (check.m_result == Accepted && expected == Configuration)
        check.checkNames(file, heldNames);
    return check;
}

void ImportCheck::checkNames(const QSettings &file, const QStringList &heldNames)
{
    // The names the slots would hold, as ImportConfig takes them.
    QStringList names;
    for (int k = 0; k < ProfileSlots; ++k) {
        const QString name = file.value(QStringLiteral("Config/Profile%1").arg(k + 1)).toString();
        names.append(AppPaths::isSafeFileName(name) ? name : heldNames.value(k));
    }
    for (int k = 0; k < ProfileSlots; ++k) {
        if (names.at(k).isEmpty() || names.indexOf(names.at(k), k + 1) < 0)
            continue;
        m_result = SharedName;
        m_key = names.at(k);
        for (int other = k; other < ProfileSlots; ++other) {
            if (names.at(other) == m_key)
                m_slots.append(other + 1);
        }
        return;
    }
}

void ImportCheck::checkKeys(const QSettings &file, Kind expected)
{
    m_found = kindOf(file, expected);
    if (m_found == Unknown) {
        m_result = NotOurs;
        return;
    }
    if (m_found != expected) {
        m_result = WrongKind;
        return;
    }
    QString bad;
    for (const RequiredKey &required : expected == Profile ? profileLayout() : configurationLayout()) {
        const QVariant value = file.value(required.key);
        if (!value.isValid()) {
            if (m_missing++ == 0)
                m_key = required.key;
        } else if (bad.isEmpty() && !readableAs(value, required.type)) {
            bad = required.key;
            m_wantsColour = required.type == Colour;
        }
    }
    if (m_missing > 0) {
        m_result = Incomplete;
    } else if (!bad.isEmpty()) {
        m_result = BadValue;
        m_key = bad;
    }
}

QString ImportCheck::message(const QString &shownPath) const
{
    switch (m_result) {
    case Accepted:
        break;
    case NoSuchFile:
        return tr("cannot read '%1': no such file").arg(shownPath);
    case Folder:
        return tr("cannot read '%1': a folder").arg(shownPath);
    case NotPlainFile:
        return tr("cannot read '%1': not a plain file").arg(shownPath);
    case NoPermission:
        return tr("cannot read '%1': permission denied").arg(shownPath);
    case TooLarge:
        return tr("'%1' is too large (%2 bytes) to be a file of this program").arg(shownPath).arg(m_size);
    case NotOurs:
        return tr("'%1' is not a profile or configuration file").arg(shownPath);
    case WrongKind:
        return m_expected == Configuration
            ? tr("'%1' is a profile file, not a configuration file").arg(shownPath)
            : tr("'%1' is a configuration file, not a profile file").arg(shownPath);
    case Incomplete:
        return m_missing == 1 ? tr("'%1' is incomplete: the key '%2' is missing").arg(shownPath, m_key)
                              : tr("'%1' is incomplete: %2 keys are missing, the first is '%3'")
                                    .arg(shownPath)
                                    .arg(m_missing)
                                    .arg(m_key);
    case BadValue:
        return m_wantsColour ? tr("'%1' is damaged: '%2' does not hold a colour").arg(shownPath, m_key)
                             : tr("'%1' is damaged: '%2' does not hold a number").arg(shownPath, m_key);
    case SharedName: {
        QStringList numbers;
        for (const int slot : m_slots)
            numbers.append(QString::number(slot));
        const QString last = numbers.takeLast();
        return tr("'%1' gives profiles %2 and %3 the same name '%4': each needs a name of its own")
            .arg(shownPath, numbers.join(QStringLiteral(", ")), last, m_key);
    }
    }
    return QString();
}
