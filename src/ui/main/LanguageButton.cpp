#include "ui/main/LanguageButton.h"

#include "storage/AppSettings.h"
#include "ui/widgets/FontFallback.h"
#include "ui/widgets/TarnAction.h"
#include "ui/widgets/Theme.h"

#include <QActionGroup>
#include <QMenu>

LanguageButton::LanguageButton(QWidget *parent)
    : TarnPushButton(QString(), parent)
    , m_menu(new QMenu(this))
    , m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("languageButton"));
    m_menu->setObjectName(QStringLiteral("languageMenu"));
    m_group->setExclusive(true);
    setMenu(m_menu);
    connect(m_menu, &QMenu::triggered, this, [this](QAction *action) {
        if (auto *language = qobject_cast<TarnAction *>(action))
            emit languageChosen(language->value());
    });
    hide();
    retranslate();
}

void LanguageButton::setLanguages(const LanguageList &languages, int current)
{
    qDeleteAll(m_actions);
    m_actions.clear();
    m_files.clear();
    m_fonts.clear();
    for (int index = 0; index < languages.count && index < languages.entries.size(); ++index) {
        auto *action = new TarnAction(languages.entries[index].name, index, m_group);
        action->setCheckable(true);
        m_menu->addAction(action);
        m_actions.append(action);
        m_files.append(languages.entries[index].file);
        m_fonts.append(languages.entries[index].font);
    }
    setCurrent(current);
    setVisible(m_actions.size() > 1);
    restyle();
}

void LanguageButton::setCurrent(int index)
{
    TarnAction *chosen = action(index);
    if (chosen)
        chosen->setChecked(true);
    setText(chosen ? chosen->text() : QString());
    retranslate();
}

TarnAction *LanguageButton::action(int index) const
{
    return index >= 0 && index < m_actions.size() ? m_actions[index] : nullptr;
}

void LanguageButton::restyle()
{
    // Each language's name is shown in its own font where the installation names one.
    m_menu->setStyleSheet(QStringLiteral("QMenu{background:rgb(50,50,50);color:rgb(225,225,225);"
                                         "border:1px solid rgb(100,100,100);font-size:%1px;}"
                                         "QMenu::item{padding:%2px %3px;border:1px solid transparent;}"
                                         "QMenu::item:selected{border:1px solid %4;}"
                                         "QMenu::item:pressed{background:%4;}")
                              .arg(Scaled(14))
                              .arg(Scaled(4))
                              .arg(Scaled(20))
                              .arg(AccentColorCss()));
    for (TarnAction *action : qAsConst(m_actions)) {
        const LanguageFont font = m_fonts.value(action->value());
        action->setFont(FontWithFallback(font.family, LanguageCodeOfFile(m_files.value(action->value()))));
    }
}

void LanguageButton::retranslate()
{
    setAccessibleName(tr("Language: %1").arg(text()));
    setToolTip(tr("Language"));
}
