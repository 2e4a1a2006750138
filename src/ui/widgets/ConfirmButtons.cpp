#include "ui/widgets/ConfirmButtons.h"

#include "ui/widgets/SkinPicture.h"
#include "ui/widgets/Theme.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QToolButton>

namespace {

constexpr int ButtonWidth = 110;
constexpr int ButtonHeight = 34;
constexpr int MinimumPadding = 12;
// The style's fixed gap between a tool button's icon and its text.
constexpr int IconTextGap = 4;
constexpr int IconSize = 16;
constexpr int TextPixelSize = 14;

QToolButton *createButton(QDialog *dialog, const QString &objectName, const QString &icon)
{
    auto *button = new QToolButton(dialog);
    button->setObjectName(objectName);
    // The resources are PNG pictures named without a suffix.
    QImageReader reader;
    if (OpenPicture(reader, icon, "png"))
        button->setIcon(QIcon(QPixmap::fromImage(reader.read())));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

QToolButton *CreateAcceptButton(QDialog *dialog, bool question)
{
    QToolButton *button = createButton(dialog, QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"));
    RetranslateAcceptButton(button, question);
    QObject::connect(button, &QToolButton::released, dialog, &QDialog::accept);
    return button;
}

QToolButton *CreateRejectButton(QDialog *dialog)
{
    QToolButton *button = createButton(dialog, QStringLiteral("msgBoxNoBtn"), QStringLiteral(":/no_Btn"));
    RetranslateRejectButton(button);
    QObject::connect(button, &QToolButton::released, dialog, &QDialog::reject);
    return button;
}

void RetranslateAcceptButton(QToolButton *button, bool question)
{
    button->setText(question ? QCoreApplication::translate("ConfirmButtons", "Yes")
                             : QCoreApplication::translate("ConfirmButtons", "Ok"));
    StyleConfirmButton(button);
}

void RetranslateRejectButton(QToolButton *button)
{
    button->setText(QCoreApplication::translate("ConfirmButtons", "No"));
    StyleConfirmButton(button);
}

void StyleConfirmButton(QToolButton *button)
{
    // The style draws icon and text from the left edge, so a left padding computed from the text
    // centres them in a button of the common width.
    const QFont font = ScaledFont(QStringLiteral("Consolas"), TextPixelSize);
    const int content = Scaled(IconSize) + IconTextGap + QFontMetrics(font).horizontalAdvance(button->text());
    const int width = qMax(Scaled(ButtonWidth), content + 2 * Scaled(MinimumPadding));
    button->setFixedSize(width, Scaled(ButtonHeight));
    button->setIconSize(QSize(Scaled(IconSize), Scaled(IconSize)));
    button->setStyleSheet(
        QStringLiteral("QToolButton { background-color: black; color: white; border-radius: 3px;"
                       " border: 1px outset %1; padding: 0px 0px 0px %2px; }"
                       "QToolButton:hover { background-color: rgb(30,30,30); }"
                       "QToolButton:pressed { background-color: rgb(50,50,50); }"
                       "QToolButton:disabled { color: rgb(110,110,110); border-color: rgb(80,80,80); }"
                       // The accent edge is always there; the focus needs its own mark.
                       "QToolButton:focus { border: %3px solid white; }")
            .arg(AccentColorCss())
            .arg((width - content) / 2 - 1)
            .arg(qMax(2, Scaled(2))));
    // After the style sheet, which would otherwise resolve the font again without its fallback hint.
    button->setFont(font);
}
