#include "ui/macro/TarnGunsetDialog.h"

#include "ui/macro/MacroNames.h"
#include "ui/macro/MacroNotices.h"
#include "ui/macro/MacroStyle.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/TarnSpinBox.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

constexpr int RowTop = 176;
constexpr int RowStep = 32;
constexpr int ColumnX[3] = { 190, 320, 450 };
constexpr int ColumnWidth = 110;

} // namespace

TarnGunsetDialog::TarnGunsetDialog(double scale, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_scale(scale > 0 ? scale : 1.0)
    , m_background(QStringLiteral("/dlg_gun.png"))
    , m_groove(QStringLiteral("/gunset_slider.png"))
    , m_bullet(QStringLiteral("/gunset_bullet.png"))
    , m_nameEdit(new QLineEdit(this))
    , m_bulletButton(new TarnPushButton(QString(), this))
    , m_bulletMenu(new QMenu(this))
{
    setWindowTitle(tr("Gun Set"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(619), scaled(400));

    QLabel *title = label(tr("GUN SET"), 18, true);
    title->setAlignment(Qt::AlignCenter);
    place(title, 30, 18, 559, 32);

    place(label(tr("GUNFILE NAME"), 13, false), 60, 66, 125, 28);
    m_nameEdit->setMaxLength(MaxMacroNameLength);
    m_nameEdit->setAccessibleName(tr("GUNFILE NAME"));
    m_nameEdit->setStyleSheet(MacroStyle::lineEdit());
    MacroStyle::setFont(m_nameEdit, 13);
    place(m_nameEdit, ColumnX[0], 66, 370, 28);

    place(label(tr("BULLETS"), 13, false), 60, 104, 125, 28);
    for (int count = 1; count <= MaxGunBullets; ++count)
        m_bulletMenu->addAction(QString::number(count), this, [this, count] { setBulletCount(count); });
    m_bulletMenu->setStyleSheet(MacroStyle::menu());
    MacroStyle::setFont(m_bulletMenu, 13);
    m_bulletButton->setMenu(m_bulletMenu);
    m_bulletButton->setDesignFontSize(13);
    place(m_bulletButton, ColumnX[0], 104, ColumnWidth, 28);

    const QString headers[3] = { tr("DELAY(MS)"), tr("VERTICAL"), tr("HORIZONTAL") };
    for (int column = 0; column < 3; ++column) {
        QLabel *header = label(headers[column], 12, true);
        header->setAlignment(Qt::AlignCenter);
        place(header, ColumnX[column], 142, ColumnWidth, 22);
    }
    for (int bullet = 0; bullet < MaxGunBullets; ++bullet) {
        const int y = RowTop + bullet * RowStep;
        const QString number = QString::number(bullet + 1);
        m_bulletPictures[bullet] = new QLabel(this);
        place(m_bulletPictures[bullet], 140, y, 26, 26);
        m_bulletPictures[bullet]->setPixmap(
            m_bullet.at(m_bulletPictures[bullet]->size(), devicePixelRatioF()));
        m_delay[bullet] = spinBox(1, 999, 100, tr("DELAY(MS)") + QLatin1Char(' ') + number);
        m_vertical[bullet] = spinBox(-100, 100, 0, tr("VERTICAL") + QLatin1Char(' ') + number);
        m_horizontal[bullet] = spinBox(-100, 100, 0, tr("HORIZONTAL") + QLatin1Char(' ') + number);
        place(m_delay[bullet], ColumnX[0], y, ColumnWidth, 26);
        place(m_vertical[bullet], ColumnX[1], y, ColumnWidth, 26);
        place(m_horizontal[bullet], ColumnX[2], y, ColumnWidth, 26);
    }

    m_yes = CreateAcceptButton(this, true);
    m_no = CreateRejectButton(this);
    // "Yes" checks the input before accepting.
    disconnect(m_yes, &QToolButton::released, this, &QDialog::accept);
    connect(m_yes, &QToolButton::released, this, &TarnGunsetDialog::OnYesClick);
    const int gap = scaled(24);
    const int left = (width() - m_yes->width() - m_no->width() - gap) / 2;
    m_yes->move(left, scaled(344));
    m_no->move(left + m_yes->width() + gap, scaled(344));
    setBulletCount(1);
}

QString TarnGunsetDialog::fileName() const
{
    return m_nameEdit->text().trimmed();
}

void TarnGunsetDialog::setBulletCount(int count)
{
    m_bulletCount = qBound(1, count, int(MaxGunBullets));
    m_bulletButton->setText(QString::number(m_bulletCount));
    m_bulletButton->setAccessibleName(tr("BULLETS") + QLatin1Char(' ') + m_bulletButton->text());
    for (int bullet = 0; bullet < MaxGunBullets; ++bullet) {
        const bool used = bullet < m_bulletCount;
        m_bulletPictures[bullet]->setEnabled(used);
        m_bulletPictures[bullet]->setVisible(used);
        m_delay[bullet]->setEnabled(used);
        m_vertical[bullet]->setEnabled(used);
        m_horizontal[bullet]->setEnabled(used);
    }
}

void TarnGunsetDialog::OnYesClick()
{
    const QString name = fileName();
    if (name.isEmpty()) {
        MacroNotices::missingFileName(this);
        return;
    }
    if (!UsableMacroName(name)) {
        MacroNotices::unusableName(this);
        return;
    }
    QVector<GunBullet> bullets;
    for (int bullet = 0; bullet < m_bulletCount; ++bullet)
        bullets.append(
            { m_delay[bullet]->value(), m_vertical[bullet]->value(), m_horizontal[bullet]->value() });
    m_events = GunSetEvents(bullets);
    accept();
}

void TarnGunsetDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
    m_groove.draw(
        painter,
        QRect(scaled(ColumnX[0]), scaled(166), scaled(ColumnX[2] + ColumnWidth - ColumnX[0]), scaled(6)));
}

void TarnGunsetDialog::place(QWidget *widget, int x, int y, int width, int height) const
{
    widget->setGeometry(scaled(x), scaled(y), scaled(width), scaled(height));
}

QLabel *TarnGunsetDialog::label(const QString &text, int designPixelSize, bool bold)
{
    auto *result = new QLabel(text, this);
    result->setStyleSheet(MacroStyle::label());
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, scaled(designPixelSize)));
    font.setBold(bold);
    result->setFont(font);
    return result;
}

QSpinBox *TarnGunsetDialog::spinBox(int minimum, int maximum, int value, const QString &name)
{
    auto *box = new TarnSpinBox(this);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setAccessibleName(name);
    box->setStyleSheet(MacroStyle::spinBox());
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, scaled(13)));
    box->setFont(font);
    return box;
}
