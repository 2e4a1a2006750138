#include "ui/buttons/MacroListChooser.h"

#include "storage/MacroList.h"
#include "ui/buttons/KeyDialogFrame.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// The dialog of the plain chooser, in the frame of the page's other dialogs.
class MacroListDialog : public KeyDialogFrame
{
public:
    MacroListDialog(const QString &caption, const MacroChoice &choice, QWidget *parent)
        : KeyDialogFrame(caption, parent)
        , m_names(new QComboBox(this))
        , m_count(new QSpinBox(this))
        , m_modes(new QButtonGroup(this))
    {
        setObjectName(QStringLiteral("MacroListDialog"));
        m_names->addItems(LoadMacroList());
        m_names->setCurrentText(choice.name);
        m_names->setAccessibleName(tr("Macro"));
        place(m_names, 30, 50, 340, 26);
        auto *countLabel = new QLabel(tr("LOOPS TIME(1-255)"), this);
        countLabel->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
        place(countLabel, 30, 84, 240, 24);
        m_count->setRange(1, 255);
        m_count->setValue(qBound(1, choice.loopCount, 255));
        m_count->setAccessibleName(countLabel->text());
        place(m_count, 290, 84, 80, 24);
        const char *modes[3] = { QT_TR_NOOP("LOOPS TIME(1-255)"), QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN"),
                                 QT_TR_NOOP("REPEAT RUN UNTILL THE KEY DOWN") };
        for (int m = 0; m < 3; ++m) {
            auto *button = new QRadioButton(tr(modes[m]), this);
            button->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
            m_modes->addButton(button, m);
            place(button, 30, 112 + 28 * m, 340, 24);
        }
        m_modes->button(qBound(0, choice.loopMode, 2))->setChecked(true);
    }

    MacroChoice choice() const
    {
        return { m_names->currentText(), m_count->value(), qMax(0, m_modes->checkedId()) };
    }

private:
    QComboBox *m_names;
    QSpinBox *m_count;
    QButtonGroup *m_modes;
};

MacroListChooser plainChooser;
MacroChooser *installed = nullptr;

} // namespace

bool MacroListChooser::choose(QWidget *owner, const QString &caption, MacroChoice &choice)
{
    MacroListDialog dialog(caption, choice, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    return true;
}

MacroChooser &CurrentMacroChooser()
{
    return installed ? *installed : plainChooser;
}

void SetMacroChooser(MacroChooser *chooser)
{
    installed = chooser;
}
