#include "ui/widgets/FontFallback.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace {
const QStringList &japaneseFaces()
{
    static const QStringList faces
        = { QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Source Han Sans JP"),
            QStringLiteral("IPAPGothic"), QStringLiteral("TakaoPGothic"), QStringLiteral("VL PGothic") };
    return faces;
}

const QStringList &chineseFaces()
{
    static const QStringList faces
        = { QStringLiteral("Noto Sans CJK SC"),   QStringLiteral("Source Han Sans SC"),
            QStringLiteral("Source Han Sans CN"), QStringLiteral("WenQuanYi Micro Hei"),
            QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("Droid Sans Fallback") };
    return faces;
}
} // namespace

QString LanguageCodeOfFile(const QString &translationFile)
{
    return translationFile.section(QLatin1Char('_'), 1);
}

QStringList CjkFallbackFamilies(const QString &languageCode)
{
    if (languageCode.startsWith(QLatin1String("ja")))
        return japaneseFaces() + chineseFaces();
    return chineseFaces() + japaneseFaces();
}

void InstallFontFallback(const QStringList &families, const QString &languageCode)
{
    const QStringList fallback = CjkFallbackFamilies(languageCode);
    const QFontDatabase installed;
    for (const QString &family : families) {
        if (family.isEmpty())
            continue;
        // Replaced, not added to: the faces of the language chosen before would come first otherwise.
        QFont::removeSubstitutions(family);
        QStringList substitutes = fallback;
        // A generic name ("Sans Serif") is no face: its first substitute would draw every text, Latin
        // too, in a CJK face. The face the desktop resolves the name to comes first instead.
        if (!installed.hasFamily(family)) {
            const QString resolved = QFontInfo(QFont(family)).family();
            if (!resolved.isEmpty() && resolved != family)
                substitutes.prepend(resolved);
        }
        QFont::insertSubstitutions(family, substitutes);
    }
}

QFont FontWithFallback(const QString &family, const QString &languageCode)
{
    QFont font;
    const QString first = family.isEmpty() ? QGuiApplication::font().family() : family;
    font.setFamily(first);
    font.setFamilies(QStringList { first } + CjkFallbackFamilies(languageCode));
    return font;
}
