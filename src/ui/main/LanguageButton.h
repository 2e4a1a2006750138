#pragma once

#include "storage/AppSettings.h"
#include "ui/widgets/TarnPushButton.h"

class QActionGroup;
class QMenu;
class TarnAction;

// The header's language button: shows the current language and opens the menu of the languages
// offered, one TarnAction each. Hidden when there is nothing to choose.
class LanguageButton : public TarnPushButton
{
    Q_OBJECT
public:
    // An empty button; setLanguages() fills it.
    explicit LanguageButton(QWidget *parent = nullptr);

    // Builds one action per offered language and checks `current`; hidden with one language or none.
    void setLanguages(const LanguageList &languages, int current);
    // Shows `index` as the current language.
    void setCurrent(int index);
    // The action of language `index` (null when not offered).
    TarnAction *action(int index) const;
    // Styles the menu again (accent colour, language font at the current scale).
    void restyle();
    // Sets the accessible name again through the translator.
    void retranslate();

signals:
    // The user picked language `index` in the menu.
    void languageChosen(int index);

private:
    QMenu *m_menu;
    QActionGroup *m_group;
    QList<TarnAction *> m_actions;
    // Translation file of each action, for the language code its name is shown in.
    QStringList m_files;
    QVector<LanguageFont> m_fonts;
};
