#include "platform/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// One Exec argument, quoted the way desktop entries want it when it holds a reserved character.
QString quoteArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool plain = !argument.isEmpty();
    for (const QChar c : argument)
        plain = plain && !reserved.contains(c);
    QString text = argument;
    text.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (plain)
        return text;
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The value of `key` in the [Desktop Entry] group of `text`; empty when absent.
QString entryValue(const QString &text, const QString &key)
{
    bool inEntry = false;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return QString();
}

} // namespace

const char *const Autostart::HiddenVariable = "MOUSECFG_START_HIDDEN";

bool Autostart::startHidden()
{
    const QByteArray value = qgetenv(HiddenVariable);
    return !value.isEmpty() && value != "0";
}

QString Autostart::filePath()
{
    QString base = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart/mousecfg.desktop");
}

Autostart::Autostart(const QString &program)
    : m_program(program.isEmpty() ? QCoreApplication::applicationFilePath() : program)
{ }

bool Autostart::isEnabled() const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.read(64 * 1024));
    return entryValue(text, QStringLiteral("Hidden")) != QLatin1String("true")
        && entryValue(text, QStringLiteral("X-GNOME-Autostart-enabled")) != QLatin1String("false");
}

bool Autostart::setEnabled(bool enabled)
{
    const QString path = filePath();
    if (!enabled)
        return !QFileInfo::exists(path) || QFile::remove(path);

    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    // Exec is a string value: its backslashes are escaped once more on top of the argument quoting.
    QString exec = execLine();
    exec.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=mousecfg\n"
                                        "Comment=Gaming mouse settings, started in the system tray\n"
                                        "Exec=%1\n"
                                        "Icon=mousecfg\n"
                                        "Terminal=false\n"
                                        "NoDisplay=true\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(exec);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString Autostart::execLine() const
{
    return QStringLiteral("env %1=1 %2").arg(QLatin1String(HiddenVariable), quoteArgument(m_program));
}
