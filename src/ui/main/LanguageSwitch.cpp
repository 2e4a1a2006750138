#include "ui/main/LanguageSwitch.h"

#include "storage/AppPaths.h"
#include "storage/ProductDefinition.h"
#include "ui/widgets/FontFallback.h"
#include "ui/widgets/ShownKeyNames.h"
#include "ui/widgets/Theme.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

namespace {

// The stored choice, or the first language when the list no longer has it (a list cut by an upgrade
// or a hand edit would leave the language button empty).
int storedLanguage(const LanguageList &languages)
{
    const int id = LoadLanguage();
    return id >= 0 && id < languages.count ? id : 0;
}

} // namespace

LanguageSwitch::LanguageSwitch(const Product &product, QObject *parent)
    : QObject(parent)
    , m_languages(product.languages)
    , m_current(storedLanguage(m_languages))
{
    SetFrenchLanguage(product.french);
    makeCurrent(m_current);
}

LanguageSwitch::~LanguageSwitch()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
}

bool LanguageSwitch::installCurrent()
{
    return loadTranslation(m_current);
}

bool LanguageSwitch::choose(int index)
{
    if (index < 0 || index >= m_languages.count)
        return false;
    m_current = index;
    makeCurrent(index);
    SaveLanguage(index);
    if (!loadTranslation(index))
        return false;
    emit languageChanged(index);
    return true;
}

bool LanguageSwitch::loadTranslation(int index)
{
    if (index < 0 || index >= m_languages.entries.size())
        return false;
    const QString file = m_languages.entries[index].file;
    if (!AppPaths::isSafeFileName(file))
        return false;
    // A fresh translator: loading into the installed one would empty it when the file is missing,
    // and every text set afterwards would fall back to English.
    auto *translator = new QTranslator(this);
    if (!translator->load(AppPaths::translationFile(file))) {
        delete translator;
        return false;
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    QCoreApplication::installTranslator(m_translator);
    return true;
}

void LanguageSwitch::makeCurrent(int index)
{
    const LanguageFont font = index >= 0 && index < m_languages.entries.size() ? m_languages.entries[index].font
                                                                                : LanguageFont();
    SetCurrentLanguage(index, font);
    // The language's font and the application's (menus, the tray) take the glyphs they lack from
    // the language's CJK faces.
    const QString code = index >= 0 && index < m_languages.entries.size()
        ? LanguageCodeOfFile(m_languages.entries[index].file)
        : QString();
    InstallFontFallback({ font.family, QGuiApplication::font().family() }, code);
}
