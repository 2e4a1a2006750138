#pragma once

#include "storage/Product.h"

#include <QObject>

class QTranslator;

// The interface language: the installation's language list, the chosen language and the translator
// installed on the application. Knows nothing of widgets; the window runs its text pass on
// languageChanged.
class LanguageSwitch : public QObject
{
    Q_OBJECT
public:
    // Reads the list and the saved choice, and makes the saved language current (fonts, key names).
    explicit LanguageSwitch(const Product &product, QObject *parent = nullptr);
    // Removes its translator from the application.
    ~LanguageSwitch() override;

    // Loads and installs the current language's translation, as at start-up; false when none loaded.
    bool installCurrent();
    // Makes `index` the current language and saves it; installs its translation when the file loads
    // (then languageChanged). A missing file leaves the texts as they were. False for an index the list
    // does not offer or a translation that did not load.
    bool choose(int index);

    // The languages offered.
    const LanguageList &languages() const { return m_languages; }
    // Index of the current language.
    int current() const { return m_current; }

signals:
    // A new translation is installed: every text must be set again.
    void languageChanged(int index);

private:
    // The language number the fonts and key names follow, and its glyph fallback.
    void makeCurrent(int index);
    bool loadTranslation(int index);

    LanguageList m_languages;
    int m_current = 0;
    QTranslator *m_translator = nullptr;
};
