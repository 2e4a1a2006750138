#pragma once

#include <QFont>
#include <QStringList>

// The skin's fonts carry Latin, Greek and Cyrillic but no Chinese or Japanese: their glyphs come
// from a CJK face installed beside them (the package recommends the Noto CJK fonts).

// The language code of a translation file named as Config.ini's LangFile_n ("mousecfg_pt_BR": "pt_BR").
QString LanguageCodeOfFile(const QString &translationFile);
// The CJK faces to take missing glyphs from, the given language's own first: Chinese and Japanese
// share most Han characters but draw many of them differently.
QStringList CjkFallbackFamilies(const QString &languageCode);
// Makes every font of `families` fall back to CjkFallbackFamilies(languageCode) for the glyphs it
// lacks, from the next text laid out on.
void InstallFontFallback(const QStringList &families, const QString &languageCode);
// `family` with the fallback of `languageCode`, for a text in a language other than the current one
// (a language's own name in the language menu).
QFont FontWithFallback(const QString &family, const QString &languageCode);
