#include "ui/buttons/KeyDialogFrame.h"

#include "platform/KeyScanCodes.h"
#include "platform/KeyboardCapture.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {
constexpr int DialogWidth = 400;
constexpr int DialogHeight = 258;
constexpr int ButtonRowY = 206;
} // namespace

KeyDialogFrame::KeyDialogFrame(const QString &title, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_background(SkinPixmap(QStringLiteral("/dlg.png")))
    , m_title(new QLabel(title, this))
    , m_focusNote(new QLabel(this))
    , m_okButton(CreateAcceptButton(this, false))
    , m_cancelButton(CreateRejectButton(this))
{
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

void KeyDialogFrame::done(int result)
{
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
    m_capturing = m_capture->start(grab);
    m_focusNote->setVisible(m_capturing && !m_capture->isSystemWide());
}

void KeyDialogFrame::stopCapture()
{
    if (m_capture)
        m_capture->stop();
    m_capturing = false;
    m_focusNote->hide();
}

void KeyDialogFrame::handleKey(const CapturedKey &key)
{
    onCapturedKey(quint8(CaptureKeyCode(key.makeCode, key.extended)), key.pressed, key.extended);
}

void KeyDialogFrame::onCapturedKey(quint8, bool, bool) { }

void KeyDialogFrame::place(QWidget *widget, int x, int y, int width, int height)
{
    PlaceWidget(widget, x, y, width, height);
}

QLabel *KeyDialogFrame::createKeyDisplay()
{
    auto *display = new QLabel(this);
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

void KeyDialogFrame::keyPressEvent(QKeyEvent *event)
{
    // While capturing, Escape and Return are keys to capture, not answers to the dialog.
    if (m_capturing
        && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
