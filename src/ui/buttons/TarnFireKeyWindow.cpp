#include "ui/buttons/TarnFireKeyWindow.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "storage/KeyTable.h"
#include "ui/widgets/ShownKeyNames.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace {
int boundedValue(const QLineEdit *edit, int fallback)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? qBound(1, value, 255) : fallback;
}
} // namespace

TarnFireKeyWindow::TarnFireKeyWindow(QWidget *parent)
    : KeyDialogFrame(tr("FireKey Setting"), parent)
    , m_display(createKeyDisplay())
    , m_times(createEdit(QStringLiteral("3")))
    , m_delay(createEdit(QStringLiteral("100")))
{
    setObjectName(QStringLiteral("TarnFireKeyWindow"));
    const char *texts[4]
        = { QT_TR_NOOP("Left"), QT_TR_NOOP("Right"), QT_TR_NOOP("Middle"), QT_TR_NOOP("Keyboard Key") };
    const int x[4] = { 20, 100, 180, 268 };
    const int w[4] = { 76, 76, 84, 120 };
    for (int k = 0; k < 4; ++k) {
        m_choices[k] = new QCheckBox(tr(texts[k]), this);
        m_choices[k]->setStyleSheet(
            QStringLiteral("QCheckBox { background: transparent; color: white; spacing: %2px; }"
                           "QCheckBox:focus { color: %1; }"
                           "QCheckBox::indicator { width: %3px; height: %3px; }")
                .arg(AccentColorCss())
                .arg(Scaled(6))
                .arg(Scaled(14)));
        UseCheckBoxPictures(m_choices[k]);
        place(m_choices[k], x[k], 50, w[k], 24);
        connect(m_choices[k], &QCheckBox::clicked, this, &TarnFireKeyWindow::checkbtn_clicked);
        connect(m_choices[k], &QCheckBox::stateChanged, this, &TarnFireKeyWindow::onStateChanged);
    }
    place(m_display, 40, 84, 210, 34);
    placeCaptureAgain(258, 86, 122, 30);

    auto *timesLabel = new QLabel(tr("Times:"), this);
    auto *delayLabel = new QLabel(tr("Delay:"), this);
    for (QLabel *label : { timesLabel, delayLabel }) {
        label->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    timesLabel->setBuddy(m_times);
    delayLabel->setBuddy(m_delay);
    m_times->setAccessibleName(tr("Times:"));
    m_delay->setAccessibleName(tr("Delay:"));
    place(timesLabel, 20, 132, 70, 28);
    place(m_times, 96, 132, 70, 28);
    place(delayLabel, 190, 132, 70, 28);
    place(m_delay, 266, 132, 70, 28);
    choose(FireKeySetting::LeftButton);
}

QLineEdit *TarnFireKeyWindow::createEdit(const QString &text)
{
    auto *edit = new QLineEdit(text, this);
    edit->setMaxLength(3);
    edit->setValidator(new QIntValidator(1, 255, edit));
    edit->setAlignment(Qt::AlignCenter);
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(20,20,20); color: white; border: 1px solid "
                       "rgb(100,100,100); border-radius: 3px; }"
                       "QLineEdit:focus { border: 1px solid %1; }")
            .arg(AccentColorCss()));
    connect(edit, &QLineEdit::textChanged, this, &TarnFireKeyWindow::OnEditDataChanged);
    connect(edit, &QLineEdit::returnPressed, this, &TarnFireKeyWindow::onEditReturn);
    return edit;
}

void TarnFireKeyWindow::preset(const FireKeySetting &setting)
{
    m_times->setText(QString::number(setting.times));
    m_delay->setText(QString::number(setting.delay));
    m_presetKey
        = setting.kind == FireKeySetting::KeyboardKey && IsSendableKey(setting.keyCode) ? setting.keyCode : 0;
    m_keyCode = 0;
    choose(setting.kind);
}

FireKeySetting TarnFireKeyWindow::setting() const
{
    FireKeySetting setting;
    setting.kind = m_kind;
    setting.keyCode = m_keyCode;
    setting.times = boundedValue(m_times, 3);
    setting.delay = boundedValue(m_delay, 100);
    return setting;
}

void TarnFireKeyWindow::checkbtn_clicked()
{
    for (int k = 0; k < 4; ++k) {
        if (sender() == m_choices[k])
            choose(k);
    }
}

void TarnFireKeyWindow::choose(int kind)
{
    m_kind = qBound(0, kind, 3);
    for (int k = 0; k < 4; ++k) {
        const QSignalBlocker blocker(m_choices[k]);
        m_choices[k]->setChecked(k == m_kind);
    }
    m_display->setEnabled(m_kind == FireKeySetting::KeyboardKey);
    if (m_kind == FireKeySetting::KeyboardKey) {
        // Without a new key the stored one stays: never a keyboard choice without a key.
        if (m_keyCode == 0)
            m_keyCode = m_presetKey;
        startCapture(false);
        m_display->setFocus();
    } else {
        stopCapture();
        m_keyCode = 0;
    }
    showChosenKey();
    emitValue();
}

void TarnFireKeyWindow::showChosenKey()
{
    const bool keyboard = m_kind == FireKeySetting::KeyboardKey;
    showKey(keyboard && m_keyCode ? ShownKeyName(m_keyCode) : QString());
    if (keyboard && !m_keyCode)
        m_display->setText(tr("Press a key"));
    // A keyboard choice without a key would reach the mouse as a left click.
    setAcceptEnabled(!keyboard || IsSendableKey(m_keyCode));
}

void TarnFireKeyWindow::onStateChanged(int)
{
    // Unchecking the chosen box by a click leaves the choice where it was.
    const QSignalBlocker blocker(m_choices[m_kind]);
    m_choices[m_kind]->setChecked(true);
}

void TarnFireKeyWindow::OnEditDataChanged(const QString &) { }

void TarnFireKeyWindow::onEditReturn()
{
    m_display->setFocus();
    m_skipNextKey = true;
    emitValue();
}

void TarnFireKeyWindow::onCapturedKey(quint8 keyCode, bool pressed, bool)
{
    QWidget *focus = focusWidget();
    if (focus == m_times || focus == m_delay)
        return;
    if (m_skipNextKey) {
        m_skipNextKey = false;
        if (keyCode == 28)
            return;
    }
    if (keyCode == m_lastCode && pressed == m_lastPressed)
        return;
    m_lastCode = keyCode;
    m_lastPressed = pressed;
    // A key the mouse has no code for is not taken.
    if (!IsSendableKey(keyCode))
        return;
    m_keyCode = keyCode;
    showChosenKey();
    keyTaken(ShownKeyName(keyCode));
}

void TarnFireKeyWindow::captureRestarted()
{
    m_lastCode = -1;
}

void TarnFireKeyWindow::emitValue()
{
    const FireKeySetting value = setting();
    emit SetFireKeyValue(value.keyCode, value.kind, value.times, value.delay);
}
