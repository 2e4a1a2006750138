#include "platform/UdevRuleFile.h"

#include <QFile>
#include <QRegularExpression>

#include <fnmatch.h>

namespace {

// udev's pattern match: any of the "|"-separated alternatives, each a shell pattern.
bool patternMatches(const QByteArray &pattern, const QByteArray &value)
{
    for (const QByteArray &alternative : pattern.split('|')) {
        if (fnmatch(alternative.constData(), value.constData(), 0) == 0)
            return true;
    }
    return false;
}

} // namespace

UdevRuleFile::UdevRuleFile(const QString &path)
{
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly))
        parse(file.readAll());
}

void UdevRuleFile::parse(const QByteArray &text)
{
    static const QRegularExpression comparison(
        QStringLiteral("([A-Z]+(?:\\{[^}]*\\})?)\\s*(==|!=)\\s*\"([^\"]*)\""));
    // A line ending in a backslash goes on on the next one.
    QByteArray joined = text;
    joined.replace("\\\r\n", "").replace("\\\n", "");
    for (const QByteArray &raw : joined.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Line comparisons;
        auto it = comparison.globalMatch(line);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            comparisons.append(
                { match.captured(1).toLatin1(), match.captured(2) == QLatin1String("=="), match.captured(3).toUtf8() });
        }
        if (!patternOf(comparisons, "ATTRS{idVendor}").isNull())
            m_lines.append(comparisons);
    }
}

QByteArray UdevRuleFile::patternOf(const Line &line, const char *key)
{
    for (const Comparison &comparison : line) {
        if (comparison.key == key && comparison.equal)
            return comparison.pattern.isNull() ? QByteArray("") : comparison.pattern;
    }
    return QByteArray();
}

bool UdevRuleFile::matches(const QByteArray &kernelName, const QByteArray &vendor,
                           const QByteArray &product) const
{
    for (const Line &line : m_lines) {
        bool holds = true;
        for (const Comparison &comparison : line) {
            QByteArray value;
            if (comparison.key == "KERNEL")
                value = kernelName;
            else if (comparison.key == "SUBSYSTEM")
                value = "hidraw";
            else if (comparison.key == "ATTRS{idVendor}")
                value = vendor;
            else if (comparison.key == "ATTRS{idProduct}")
                value = product;
            else
                continue;
            if (patternMatches(comparison.pattern, value) != comparison.equal)
                holds = false;
        }
        if (holds)
            return true;
    }
    return false;
}

QStringList UdevRuleFile::namedDevices() const
{
    QStringList named;
    for (const Line &line : m_lines) {
        const QByteArray product = patternOf(line, "ATTRS{idProduct}");
        named << QString::fromUtf8(patternOf(line, "ATTRS{idVendor}") + ':' + (product.isNull() ? "*" : product));
    }
    return named;
}
