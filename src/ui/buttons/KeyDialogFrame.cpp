#include "ui/buttons/KeyDialogFrame.h"

#include "platform/KeyScanCodes.h"
#include "platform/KeyboardCapture.h"
#include "platform/WindowKeyCapture.h"
#include "ui/widgets/AccessibleSkin.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/ScreenTabOrder.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr int DialogWidth = 400;
constexpr int DialogHeight = 258;
constexpr int ButtonRowY = 206;

// Make codes (set 1) of the keys that work the dialog once a key is taken.
constexpr int EscapeCode = 0x01;
constexpr int TabCode = 0x0F;
constexpr int ReturnCode = 0x1C; // keypad Enter is the extended form
constexpr int SpaceCode = 0x39;

int keyId(const CapturedKey &key)
{
    return key.makeCode | (key.extended ? 0x100 : 0);
}

// One event of one key, for recognising the window's copy of an event the capture saw.
quint64 eventId(const CapturedKey &key)
{
    return quint64(keyId(key)) << 33 | quint64(key.pressed) << 32 | key.serverTime;
}

bool isModifierId(int id)
{
    const int code = id & 0xFF;
    return code == 0x2A || code == 0x36 || code == 0x1D || code == 0x38 || id == 0x15B || id == 0x15C;
}

bool isKeyEvent(const QEvent *event)
{
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
        || event->type() == QEvent::ShortcutOverride;
}
} // namespace

KeyDialogFrame::KeyDialogFrame(const QString &title, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_background(QStringLiteral("/dlg.png"))
    , m_title(new QLabel(title, this))
    , m_focusNote(new QLabel(this))
    , m_okButton(CreateAcceptButton(this, false))
    , m_cancelButton(CreateRejectButton(this))
{
    InstallAccessibleSkin();
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setWindowTitle(title);
    setFixedSize(Scaled(DialogWidth), Scaled(DialogHeight));
    setFont(CurrentLanguageFont());

    QFont titleFont = CurrentLanguageFont();
    titleFont.setPixelSize(qMax(1, Scaled(16)));
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("background: transparent; color: white;"));
    place(m_title, 20, 14, 360, 26);

    m_focusNote->setText(tr("Keys are read only while this window has the focus."));
    m_focusNote->setWordWrap(true);
    m_focusNote->setAlignment(Qt::AlignCenter);
    m_focusNote->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    place(m_focusNote, 20, 170, 360, 32);
    m_focusNote->hide();

    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    m_okButton->setAccessibleName(m_okButton->text());
    m_cancelButton->setAccessibleName(m_cancelButton->text());
    StyleConfirmButton(m_okButton);
    StyleConfirmButton(m_cancelButton);
    const int gap = Scaled(16);
    const int y = Scaled(ButtonRowY);
    m_okButton->move(width() / 2 - gap / 2 - m_okButton->width(), y);
    m_cancelButton->move(width() / 2 + gap / 2, y);
    m_okButton->setFocusPolicy(Qt::StrongFocus);
    m_cancelButton->setFocusPolicy(Qt::StrongFocus);
}

KeyDialogFrame::~KeyDialogFrame()
{
    stopCapture();
}

bool KeyDialogFrame::capturesSystemWide() const
{
    return m_capturing && m_capture && m_capture->isSystemWide();
}

void KeyDialogFrame::setAcceptEnabled(bool enabled)
{
    m_okButton->setEnabled(enabled);
}

void KeyDialogFrame::done(int result)
{
    if (result == Accepted && !m_okButton->isEnabled())
        return;
    stopCapture();
    QDialog::done(result);
}

void KeyDialogFrame::startCapture(bool grab)
{
    if (m_capturing)
        return;
    if (!m_capture) {
        m_capture = CreateKeyboardCapture(this);
        connect(m_capture.get(), &KeyboardCapture::keyEvent, this, &KeyDialogFrame::handleKey);
    }
    m_grab = grab;
    m_taken = false;
    m_pressed.clear();
    m_delivered.clear();
    m_heldBack.clear();
    m_capturedEvents.clear();
    m_capturing = m_capture->start(grab);
    m_focusNote->setVisible(m_capturing && !m_capture->isSystemWide());
    if (m_hint)
        m_hint->setText(m_hintText);
    if (m_captureAgain)
        m_captureAgain->setEnabled(m_capturing);
}

void KeyDialogFrame::stopCapture()
{
    if (m_capture)
        m_capture->stop();
    m_capturing = false;
    m_taken = false;
    m_focusNote->hide();
    if (m_hint)
        m_hint->setText(m_hintText);
    if (m_captureAgain)
        m_captureAgain->setEnabled(false);
}

void KeyDialogFrame::restartCapture()
{
    if (!m_capturing)
        return;
    stopCapture();
    captureRestarted();
    startCapture(m_grab);
    if (m_keyDisplay)
        m_keyDisplay->setFocus(Qt::OtherFocusReason);
}

void KeyDialogFrame::keyTaken(const QString &name)
{
    if (m_hint)
        m_hint->setText(tr("Taken: %1").arg(name));
    if (m_taken)
        return;
    m_taken = true;
    // The keys that follow must reach the dialog's buttons, and other programs again.
    if (m_capture)
        m_capture->releaseGrab();
}

bool KeyDialogFrame::isDialogKey(int id) const
{
    const int code = id & 0xFF;
    if (code == EscapeCode || code == TabCode || code == ReturnCode)
        return true;
    return id == SpaceCode && qobject_cast<QAbstractButton *>(focusWidget());
}

void KeyDialogFrame::handleKey(const CapturedKey &key)
{
    const int id = keyId(key);
    // Whatever the dialog does with it, this event is no key for the controls.
    if (key.serverTime && !(m_taken && isDialogKey(id)))
        m_capturedEvents.insert(eventId(key));
    if (!key.pressed) {
        // A release whose press came before capture started (the Return that opened the dialog).
        if (!m_pressed.remove(id))
            return;
        if (m_heldBack.remove(id)) {
            // A modifier pressed and released alone after a take is a key of its own.
            deliver(id, true);
            deliver(id, false);
        } else if (m_delivered.remove(id)) {
            deliver(id, false);
        }
        return;
    }
    if (m_pressed.contains(id)) {
        if (m_delivered.contains(id))
            deliver(id, true);
        return;
    }
    m_pressed.insert(id);
    if (qobject_cast<QLineEdit *>(focusWidget()))
        return;
    if (m_taken) {
        if (isDialogKey(id)) {
            // Shift+Tab and the like: the modifier belonged to the dialog key.
            m_heldBack.clear();
            return;
        }
        if (isModifierId(id)) {
            m_heldBack.insert(id);
            return;
        }
        const QSet<int> heldBack = m_heldBack;
        m_heldBack.clear();
        for (int modifier : heldBack) {
            m_delivered.insert(modifier);
            deliver(modifier, true);
        }
    }
    m_delivered.insert(id);
    deliver(id, true);
}

void KeyDialogFrame::deliver(int id, bool pressed)
{
    const bool extended = id & 0x100;
    onCapturedKey(quint8(CaptureKeyCode(quint16(id & 0xFF), extended)), pressed, extended);
}

void KeyDialogFrame::onCapturedKey(quint8, bool, bool) { }

void KeyDialogFrame::place(QWidget *widget, int x, int y, int width, int height)
{
    PlaceWidget(widget, x, y, width, height);
}

void KeyDialogFrame::setHint(const QString &text, int y)
{
    if (!m_hint) {
        m_hint = new QLabel(this);
        m_hint->setAlignment(Qt::AlignCenter);
        m_hint->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    }
    m_hintText = text;
    m_hint->setText(text);
    place(m_hint, 20, y, 360, 22);
}

void KeyDialogFrame::showKey(const QString &name)
{
    if (!m_keyDisplay)
        return;
    m_keyDisplay->setText(name);
    m_keyDisplay->setAccessibleName(name.isEmpty() ? tr("Captured key") : tr("Captured key: %1").arg(name));
}

void KeyDialogFrame::placeCaptureAgain(int x, int y, int width, int height)
{
    if (!m_captureAgain) {
        m_captureAgain = new QToolButton(this);
        m_captureAgain->setObjectName(QStringLiteral("captureAgain"));
        m_captureAgain->setText(tr("Capture again"));
        m_captureAgain->setAccessibleName(m_captureAgain->text());
        m_captureAgain->setFocusPolicy(Qt::StrongFocus);
        m_captureAgain->setCursor(Qt::PointingHandCursor);
        m_captureAgain->setEnabled(m_capturing);
        QFont font = CurrentLanguageFont();
        font.setPixelSize(qMax(1, Scaled(13)));
        m_captureAgain->setFont(font);
        m_captureAgain->setStyleSheet(
            QStringLiteral("QToolButton { background: rgb(20,20,20); color: white; border: 1px solid "
                           "rgb(100,100,100); border-radius: 3px; }"
                           "QToolButton:hover, QToolButton:focus { border: 1px solid %1; }"
                           "QToolButton:disabled { color: rgb(110,110,110); }")
                .arg(AccentColorCss()));
        connect(m_captureAgain, &QToolButton::clicked, this, &KeyDialogFrame::restartCapture);
    }
    place(m_captureAgain, x, y, width, height);
}

QLabel *KeyDialogFrame::createKeyDisplay()
{
    auto *display = new QLabel(this);
    // The field that receives the key, not a caption (set before anything asks for its interface).
    SetAccessibleRole(display, QAccessible::EditableText);
    m_keyDisplay = display;
    display->setAlignment(Qt::AlignCenter);
    display->setFocusPolicy(Qt::StrongFocus);
    display->setAccessibleName(tr("Captured key"));
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(15)));
    font.setBold(true);
    display->setFont(font);
    display->setStyleSheet(
        QStringLiteral("QLabel { background: rgb(20,20,20); color: white; border: 1px solid "
                       "rgb(100,100,100); border-radius: 3px; }"
                       "QLabel:focus { border: 1px solid %1; }")
            .arg(AccentColorCss()));
    return display;
}

void KeyDialogFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
}

void KeyDialogFrame::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Until a key is taken the dialog's own controls must not see the keys being captured.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    SetScreenTabOrder(this, Scaled(8));
}

bool KeyDialogFrame::eventFilter(QObject *watched, QEvent *event)
{
    // An edit handles its own Return and passes the event on; it must not reach the dialog as OK.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            m_editReturn = event;
    }
    if (!m_capturing || !isKeyEvent(event) || !watched->isWidgetType()
        || qobject_cast<QLineEdit *>(focusWidget()))
        return QDialog::eventFilter(watched, event);
    if (!m_taken)
        return true;
    // A captured key may reach the window after the capture saw it: the same event, by its time.
    CapturedKey key;
    if (WindowKeyCapture::translate(*static_cast<QKeyEvent *>(event), key) && key.serverTime
        && m_capturedEvents.contains(eventId(key)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void KeyDialogFrame::keyPressEvent(QKeyEvent *event)
{
    // While capturing, Escape and Return are keys to capture, not answers to the dialog.
    if (m_capturing && !m_taken
        && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    if (event == m_editReturn) {
        m_editReturn = nullptr;
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Return presses the focused button, answers from an edit are the edit's, else it means OK.
        QWidget *focus = focusWidget();
        auto *button = qobject_cast<QAbstractButton *>(focus);
        if (button && !button->isCheckable())
            button->click();
        else if (!qobject_cast<QLineEdit *>(focus))
            accept();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
