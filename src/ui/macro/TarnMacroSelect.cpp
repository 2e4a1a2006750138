#include "ui/macro/TarnMacroSelect.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "storage/MacroList.h"
#include "ui/macro/MacroStyle.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

TarnMacroSelect::TarnMacroSelect(const QString &windowTitle, const QString &caption, const QString &name,
                                 int loopCount, int loopMode, QWidget *owner)
    : QDialog(owner, Qt::FramelessWindowHint | Qt::Dialog)
    , m_background(QStringLiteral("/dlg.png"))
    , m_caption(new QLabel(caption, this))
    , m_nameButton(new TarnPushButton(QString(), this))
    , m_nameMenu(new QMenu(this))
    , m_loopCount(new QLineEdit(this))
    , m_yes(CreateAcceptButton(this, true))
    , m_no(CreateRejectButton(this))
{
    setWindowTitle(windowTitle);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(Scaled(478), Scaled(309));

    QFont captionFont = CurrentLanguageFont();
    captionFont.setPixelSize(qMax(1, Scaled(18)));
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setStyleSheet(MacroStyle::label());
    PlaceWidget(m_caption, 30, 18, 418, 32);

    for (const QString &listed : LoadMacroList())
        m_nameMenu->addAction(listed, this, [this, listed] { chooseName(listed); });
    m_nameMenu->setStyleSheet(MacroStyle::menu());
    MacroStyle::setFont(m_nameMenu, 12);
    m_nameButton->setMenu(m_nameMenu);
    m_nameButton->setDesignFontSize(12);
    PlaceWidget(m_nameButton, 40, 64, 398, 30);

    const QString modeTexts[3]
        = { tr("LOOPS TIME(1-255)"), tr("REPEAT RUN WHEN KEY DOWN"), tr("REPEAT RUN UNTILL THE KEY DOWN") };
    for (int mode = 0; mode < 3; ++mode) {
        QCheckBox *box = new QCheckBox(modeTexts[mode], this);
        box->setStyleSheet(MacroStyle::checkBox());
        UseCheckBoxPictures(box);
        MacroStyle::setFont(box, 12);
        box->setChecked(mode == loopMode);
        PlaceWidget(box, 40, 110 + 34 * mode, 300, 28);
        connect(box, &QCheckBox::clicked, this, &TarnMacroSelect::modeClicked);
        m_modeBoxes[mode] = box;
    }
    m_loopCount->setMaxLength(3);
    m_loopCount->setValidator(new QIntValidator(1, 255, m_loopCount));
    m_loopCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_loopCount->setText(QString::number(qBound(1, loopCount, 255)));
    m_loopCount->setAccessibleName(tr("LOOP COUNT"));
    m_loopCount->setStyleSheet(MacroStyle::lineEdit());
    MacroStyle::setFont(m_loopCount, 12);
    PlaceWidget(m_loopCount, 360, 110, 78, 28);

    const int buttonsTop = Scaled(236);
    const int gap = Scaled(24);
    const int left = (width() - m_yes->width() - m_no->width() - gap) / 2;
    m_yes->move(left, buttonsTop);
    m_no->move(left + m_yes->width() + gap, buttonsTop);

    setTabOrder(m_nameButton, m_modeBoxes[0]);
    setTabOrder(m_modeBoxes[0], m_loopCount);
    setTabOrder(m_loopCount, m_modeBoxes[1]);
    setTabOrder(m_modeBoxes[1], m_modeBoxes[2]);
    setTabOrder(m_modeBoxes[2], m_yes);
    setTabOrder(m_yes, m_no);

    // A name that is no longer listed cannot be played: the user picks again.
    chooseName(LoadMacroList().contains(name) ? name : QString());
}

int TarnMacroSelect::loopCount() const
{
    return qBound(1, m_loopCount->text().toInt(), 255);
}

int TarnMacroSelect::loopMode() const
{
    for (int mode = 0; mode < 3; ++mode)
        if (m_modeBoxes[mode]->isChecked())
            return mode;
    return 0;
}

void TarnMacroSelect::modeClicked()
{
    auto *clicked = qobject_cast<QCheckBox *>(sender());
    for (QCheckBox *box : m_modeBoxes)
        box->setChecked(box == clicked);
}

void TarnMacroSelect::chooseName(const QString &name)
{
    m_name = name;
    m_nameButton->setText(name.isEmpty() ? tr("SELECT A MACRO") : name);
    m_nameButton->setAccessibleName(m_nameButton->text());
    // Accepting binds the name to a button: there must be one.
    m_yes->setEnabled(!name.isEmpty());
}

void TarnMacroSelect::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
}
