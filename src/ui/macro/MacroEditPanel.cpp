#include "ui/macro/MacroEditPanel.h"

#include "storage/KeyTable.h"
#include "ui/macro/MacroEventText.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroStyle.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/ShownKeyNames.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace MacroEvents;

namespace {

constexpr int MinEditDelayMs = 10;
constexpr int MaxEditDelayMs = 65535;

} // namespace

MacroEditPanel::MacroEditPanel(int unit, QWidget *parent)
    : QWidget(parent)
    , m_unit(qMax(1, unit))
    , m_keyLabel(new QLabel(this))
    , m_delayLabel(new QLabel(this))
    , m_moveLabel(new QLabel(this))
    , m_distanceLabel(new QLabel(this))
    , m_keyDisplay(new QLabel(this))
    , m_delayEdit(new QLineEdit(this))
    , m_buttonMenuButton(new TarnPushButton(QString(), this))
    , m_buttonMenu(new QMenu(this))
    , m_moveMenuButton(new TarnPushButton(QString(), this))
    , m_moveMenu(new QMenu(this))
    , m_distanceEdit(new QLineEdit(this))
    , m_save(new TarnPushButton(QString(), this))
    , m_cancel(new TarnPushButton(QString(), this))
{
    m_keyDisplay->setAlignment(Qt::AlignCenter);
    m_delayEdit->setMaxLength(5);
    m_delayEdit->setValidator(new QIntValidator(MinEditDelayMs, MaxEditDelayMs, m_delayEdit));
    m_distanceEdit->setMaxLength(3);
    m_distanceEdit->setValidator(new QIntValidator(1, MaxMoveDistance, m_distanceEdit));
    for (int b = 0; b < ButtonCount; ++b)
        m_buttonMenu->addAction(QString(), this, [this, b] { chooseButton(b); });
    for (int d = 0; d < DirectionCount; ++d)
        m_moveMenu->addAction(QString(), this, [this, d] { chooseDirection(d); });
    m_buttonMenuButton->setMenu(m_buttonMenu);
    m_moveMenuButton->setMenu(m_moveMenu);
    connect(m_delayEdit, &QLineEdit::textEdited, this, &MacroEditPanel::EditDelayChanged);
    connect(m_distanceEdit, &QLineEdit::textEdited, this, &MacroEditPanel::EditMoveChanged);
    connect(m_save, &QPushButton::clicked, this, &MacroEditPanel::saveRequested);
    connect(m_cancel, &QPushButton::clicked, this, &MacroEditPanel::cancelRequested);
    retranslate();
    relayout();
    showRow(MacroEvent());
}

void MacroEditPanel::showRow(const MacroEvent &event)
{
    m_showing = true;
    m_event = event;
    const int k = kind(event);
    const bool keyRow = k == KeyKind;
    const bool buttonRow = k == ButtonKind;
    const bool moveRow = k == MoveKind;
    const bool delayRow = k == DelayKind;
    m_keyDisplay->setVisible(!buttonRow);
    m_buttonMenuButton->setVisible(buttonRow);
    m_keyLabel->setEnabled(keyRow || buttonRow);
    m_keyDisplay->setEnabled(keyRow);
    m_delayLabel->setEnabled(delayRow);
    m_delayEdit->setEnabled(delayRow);
    m_moveLabel->setEnabled(moveRow);
    m_moveMenuButton->setEnabled(moveRow);
    m_distanceLabel->setEnabled(moveRow);
    m_distanceEdit->setEnabled(moveRow);
    m_delayEdit->setText(delayRow ? QString::number(qint64(delayUnits(event)) * m_unit) : QString());
    Direction direction = MoveLeft;
    int distance = 0;
    const bool moves = moveRow && moveOf(event, direction, distance);
    m_distanceEdit->setText(moves ? QString::number(distance) : QString());
    refreshTexts();
    m_showing = false;
}

void MacroEditPanel::takeKey(int keyCode)
{
    quint8 usage = 0;
    if (kind(m_event) != KeyKind || !KeyCodeToUsage(keyCode, usage))
        return;
    setEditedEvent(key(isPress(m_event), usage));
}

void MacroEditPanel::EditDelayChanged(const QString &text)
{
    if (m_showing || kind(m_event) != DelayKind || !m_delayEdit->hasAcceptableInput())
        return;
    setEditedEvent(delayMs(text.toInt(), m_unit));
}

void MacroEditPanel::EditMoveChanged(const QString &text)
{
    Direction direction = MoveLeft;
    int distance = 0;
    if (m_showing || !moveOf(m_event, direction, distance) || !m_distanceEdit->hasAcceptableInput())
        return;
    setEditedEvent(MacroEvents::move(direction, text.toInt()));
}

void MacroEditPanel::chooseButton(int which)
{
    if (kind(m_event) == ButtonKind)
        setEditedEvent(button(isPress(m_event), Button(which)));
}

void MacroEditPanel::chooseDirection(int direction)
{
    Direction old = MoveLeft;
    int distance = 1;
    if (!moveOf(m_event, old, distance))
        return;
    setEditedEvent(MacroEvents::move(Direction(direction), qMin(distance, int(MaxMoveDistance))));
}

void MacroEditPanel::setEditedEvent(const MacroEvent &event)
{
    m_event = event;
    refreshTexts();
    emit eventEdited(event);
}

void MacroEditPanel::refreshTexts()
{
    const int k = kind(m_event);
    quint8 code = 0;
    m_keyDisplay->setText(k == KeyKind && UsageToKeyCode(m_event.L, code) ? ShownKeyName(code) : QString());
    Button which = LeftButton;
    m_buttonMenuButton->setText(k == ButtonKind && buttonOfBit(m_event.L, which) ? MacroButtonName(which)
                                                                                 : QString());
    Direction direction = MoveLeft;
    int distance = 0;
    m_moveMenuButton->setText(
        k == MoveKind && moveOf(m_event, direction, distance) ? MacroDirectionName(direction) : QString());
    m_buttonMenuButton->setAccessibleName(tr("KEY") + QLatin1Char(' ') + m_buttonMenuButton->text());
    m_moveMenuButton->setAccessibleName(tr("MOVEMENT") + QLatin1Char(' ') + m_moveMenuButton->text());
}

void MacroEditPanel::retranslate()
{
    m_keyLabel->setText(tr("KEY"));
    m_delayLabel->setText(tr("DELAY"));
    m_moveLabel->setText(tr("MOVEMENT"));
    m_distanceLabel->setText(tr("DISTANCE"));
    m_keyDisplay->setAccessibleName(tr("KEY"));
    m_delayEdit->setAccessibleName(tr("DELAY"));
    m_distanceEdit->setAccessibleName(tr("DISTANCE"));
    m_save->setText(tr("SAVE"));
    m_save->setAccessibleName(m_save->text());
    m_cancel->setText(tr("CANCEL"));
    m_cancel->setAccessibleName(m_cancel->text());
    const QList<QAction *> buttons = m_buttonMenu->actions();
    for (int b = 0; b < buttons.size(); ++b)
        buttons[b]->setText(MacroButtonName(Button(b)));
    const QList<QAction *> moves = m_moveMenu->actions();
    for (int d = 0; d < moves.size(); ++d)
        moves[d]->setText(MacroDirectionName(Direction(d)));
    refreshTexts();
}

void MacroEditPanel::relayout()
{
    const int labelWidth = 74;
    const int fieldX = 78;
    const int fieldWidth = 123;
    const int rowHeight = 26;
    QLabel *labels[] = { m_keyLabel, m_delayLabel, m_moveLabel, m_distanceLabel };
    for (int i = 0; i < 4; ++i) {
        PlaceWidget(labels[i], 0, i * 32, labelWidth, rowHeight);
        labels[i]->setStyleSheet(MacroStyle::label());
        MacroStyle::setFont(labels[i], 11);
    }
    PlaceWidget(m_keyDisplay, fieldX, 0, fieldWidth, rowHeight);
    PlaceWidget(m_buttonMenuButton, fieldX, 0, fieldWidth, rowHeight);
    PlaceWidget(m_delayEdit, fieldX, 32, fieldWidth, rowHeight);
    PlaceWidget(m_moveMenuButton, fieldX, 64, fieldWidth, rowHeight);
    PlaceWidget(m_distanceEdit, fieldX, 96, fieldWidth, rowHeight);
    PlaceWidget(m_save, 0, 134, 96, 28);
    PlaceWidget(m_cancel, 105, 134, 96, 28);
    m_keyDisplay->setStyleSheet(QStringLiteral(
        "QLabel{color:rgb(255,255,255);background:rgb(20,20,20);border:1px solid rgb(100,100,100);}"
        "QLabel:disabled{color:rgb(100,100,100);}"));
    MacroStyle::setFont(m_keyDisplay, 12);
    for (QLineEdit *edit : { m_delayEdit, m_distanceEdit }) {
        edit->setStyleSheet(MacroStyle::lineEdit());
        MacroStyle::setFont(edit, 12);
    }
    for (TarnPushButton *button : { m_buttonMenuButton, m_moveMenuButton, m_save, m_cancel })
        button->setDesignFontSize(11);
    m_buttonMenu->setStyleSheet(MacroStyle::menu());
    m_moveMenu->setStyleSheet(MacroStyle::menu());
    MacroStyle::setFont(m_buttonMenu, 12);
    MacroStyle::setFont(m_moveMenu, 12);
}
