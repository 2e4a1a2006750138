#include "ui/widgets/TarnMessageBox.h"

#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/MouseConnectionSource.h"
#include "ui/widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int BoxWidth = 478;
constexpr int BoxHeight = 309;
constexpr int Spacing = 30;
constexpr int IconSize = 72;
constexpr int TextPixelSize = 14;
constexpr int TitlePixelSize = 16;
constexpr int PlugInPollMs = 100;

const MouseConnectionSource *findConnectionSource(QObject *object)
{
    for (; object; object = object->parent()) {
        if (const auto *source = dynamic_cast<const MouseConnectionSource *>(object))
            return source;
    }
    return nullptr;
}

QString iconFile(int iconKind)
{
    switch (iconKind) {
    case TarnMessageBox::DongleIcon:
        return QStringLiteral("/dongle2.png");
    case TarnMessageBox::WarningIcon:
        return QStringLiteral("/warn.png");
    default:
        return QString();
    }
}

QLabel *createTextLabel(const QString &objectName, const QString &text, int pixelSize, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    // Texts may carry file or profile names: never let them be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(ScaledFont(QStringLiteral("Consolas"), pixelSize));
    return label;
}

} // namespace

TarnMessageBox::TarnMessageBox(int buttonMode, const QString &title, const QString &text, int iconKind,
                               QWidget *parent, bool waitForMouse, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_buttonMode(buttonMode)
    , m_background(QStringLiteral("/dlg.png"))
    , m_titleLabel(createTextLabel(QStringLiteral("msgBoxInfoLabel1"), title, TitlePixelSize, this))
    , m_textLabel(createTextLabel(QStringLiteral("msgBoxInfoLabel2"), text, TextPixelSize, this))
    , m_iconLabel(new QLabel(this))
    , m_acceptButton(CreateAcceptButton(this, buttonMode == QuestionButtons))
{
    setWindowTitle(title);
    setModal(true);
    m_iconLabel->setObjectName(QStringLiteral("msgBoxIconLabel"));
    setFixedSize(Scaled(BoxWidth), Scaled(BoxHeight));
    if (buttonMode == QuestionButtons)
        m_rejectButton = CreateRejectButton(this);
    buildLayout(iconKind);

    if (waitForMouse) {
        m_connection = findConnectionSource(parent);
        auto *plugInTimer = new QTimer(this);
        plugInTimer->setInterval(PlugInPollMs);
        connect(plugInTimer, &QTimer::timeout, this, &TarnMessageBox::GetPlugInSignal);
        plugInTimer->start();
    }
}

void TarnMessageBox::buildLayout(int iconKind)
{
    const QString file = iconFile(iconKind);
    if (file.isEmpty()) {
        m_iconLabel->hide();
    } else {
        const int side = Scaled(IconSize);
        SkinPicture icon(file);
        if (!icon.isNull())
            m_iconLabel->setPixmap(icon.at(QSize(side, side), devicePixelRatioF(), Qt::KeepAspectRatio));
        m_iconLabel->setFixedSize(side, side);
    }
    // Transparent so that a style sheet of the parent window cannot put a plate behind the texts.
    m_iconLabel->setStyleSheet(QStringLiteral("background: transparent;"));
    m_titleLabel->setStyleSheet(QStringLiteral("background: transparent; color: white; font-weight: bold;"));
    m_titleLabel->setVisible(!m_titleLabel->text().isEmpty());
    m_textLabel->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));

    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(Scaled(10));
    textColumn->addStretch();
    textColumn->addWidget(m_titleLabel);
    textColumn->addWidget(m_textLabel);
    textColumn->addStretch();

    auto *messageRow = new QHBoxLayout;
    messageRow->setSpacing(0);
    messageRow->addSpacing(Scaled(Spacing));
    messageRow->addWidget(m_iconLabel);
    messageRow->addSpacing(Scaled(Spacing));
    messageRow->addLayout(textColumn, 1);
    messageRow->addSpacing(Scaled(Spacing));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_acceptButton);
    buttonRow->addStretch();
    if (m_rejectButton) {
        buttonRow->addWidget(m_rejectButton);
        buttonRow->addStretch();
    }

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addSpacing(Scaled(Spacing));
    box->addLayout(messageRow, 1);
    box->addLayout(buttonRow);
    box->addSpacing(Scaled(Spacing));
}

void TarnMessageBox::GetPlugInSignal()
{
    // A box that is not showing (not yet run, or already answered) has nothing to close.
    if (!isVisible() || !m_connection || !m_connection->mouseConnected())
        return;
    m_closedByPlugIn = true;
    accept();
}

void TarnMessageBox::reject()
{
    if (m_buttonMode == QuestionButtons)
        QDialog::reject();
    else
        accept();
}

void TarnMessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
}
