#include "ui/main/MousePicture.h"

#include "storage/AppPaths.h"
#include "ui/main/ModelPictures.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace {
// Design geometry inside the picture area (24, 124, 406, 430) of the window.
constexpr int AreaWidth = 406;
constexpr int AreaHeight = 430;
constexpr int PictureX = 53;
constexpr int PictureY = 44;
constexpr int PictureSide = 300;
constexpr int CalloutSide = 24;
constexpr int LeftColumnX = 10;
constexpr int RightColumnX = 372;
constexpr int CalloutGap = 30;
// The side view's note, below the picture where the front view has the wheel's arrows.
constexpr int NoteY = 352;
constexpr int NoteFontSize = 13;
} // namespace

MousePicture::MousePicture(QWidget *parent)
    : QWidget(parent)
    , m_up(new TarnPushButton(QString(), this))
    , m_down(new TarnPushButton(QString(), this))
    , m_frontSwitch(new TarnPushButton(QString(), this))
    , m_sideSwitch(new TarnPushButton(QString(), this))
    , m_sideNote(new QLabel(this))
{
    setObjectName(QStringLiteral("MousePicture"));
    for (int i = 0; i < CalloutCount; ++i) {
        m_front.append(createCallout(i + 1));
        connect(m_front[i], &QPushButton::clicked, this, [this, i] { emit buttonRequested(i, 0); });
    }
    m_up->setObjectName(QStringLiteral("wheelUpArrow"));
    m_down->setObjectName(QStringLiteral("wheelDownArrow"));
    connect(m_up, &QPushButton::clicked, this, [this] { emit buttonRequested(0, 2); });
    connect(m_down, &QPushButton::clicked, this, [this] { emit buttonRequested(1, 2); });
    for (TarnPushButton *arrow : { m_up, m_down }) {
        connect(arrow, &TarnPushButton::OverSignal, this,
                [this, arrow](TarnPushButton *, bool over) { setHovered(arrow == m_up ? 0 : 1, 2, over); });
    }
    m_frontSwitch->setObjectName(QStringLiteral("frontViewButton"));
    m_sideSwitch->setObjectName(QStringLiteral("sideViewButton"));
    m_frontSwitch->setCheckable(true);
    m_sideSwitch->setCheckable(true);
    connect(m_frontSwitch, &QPushButton::clicked, this, [this] { emit viewRequested(true); });
    connect(m_sideSwitch, &QPushButton::clicked, this, [this] { emit viewRequested(false); });
    m_sideNote->setObjectName(QStringLiteral("sideViewNote"));
    m_sideNote->setWordWrap(true);
    m_sideNote->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_sideNote->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    retranslate();
    relayout();
}

TarnPushButton *MousePicture::createCallout(int number)
{
    auto *callout = new TarnPushButton(QString::number(number), this);
    callout->setObjectName(QStringLiteral("callout%1").arg(number));
    callout->setDesignFontSize(12);
    connect(callout, &TarnPushButton::OverSignal, this,
            [this](TarnPushButton *button, bool over) { setHovered(m_front.indexOf(button), 0, over); });
    return callout;
}

void MousePicture::setProduct(const QString &productName, int buttonCount)
{
    m_productName = productName;
    const ModelPictures::ArrowPictures up = ModelPictures::upArrow(productName);
    const ModelPictures::ArrowPictures down = ModelPictures::downArrow(productName);
    m_up->setPictures(up.normal, up.hover, up.pressed);
    m_down->setPictures(down.normal, down.hover, down.pressed);
    m_buttonCount = qBound(0, buttonCount, int(CalloutCount));
    updateVisibility();
    relayout();
    update();
}

void MousePicture::setFrontView(bool front)
{
    m_frontShown = front;
    updateVisibility();
    update();
}

void MousePicture::setInteractive(bool interactive)
{
    m_interactive = interactive;
    updateVisibility();
    update();
}

void MousePicture::updateVisibility()
{
    const bool front = m_frontShown || !m_interactive;
    for (int i = 0; i < CalloutCount; ++i)
        m_front[i]->setVisible(m_interactive && front && i < m_buttonCount);
    m_sideNote->setVisible(m_interactive && !front);
    m_up->setVisible(m_interactive && front);
    m_down->setVisible(m_interactive && front);
    m_frontSwitch->setVisible(m_interactive);
    m_sideSwitch->setVisible(m_interactive);
    m_frontSwitch->setChecked(front);
    m_sideSwitch->setChecked(!front);
}

void MousePicture::setSelected(int index, int group)
{
    m_selectedIndex = index;
    m_selectedGroup = group;
    refreshHighlights();
}

void MousePicture::setHovered(int index, int group, bool over)
{
    if (over) {
        m_hoverIndex = index;
        m_hoverGroup = group;
    } else if (index == m_hoverIndex && group == m_hoverGroup) {
        m_hoverIndex = m_hoverGroup = -1;
    }
    refreshHighlights();
}

void MousePicture::refreshHighlights()
{
    for (int group = 0; group < 3; ++group) {
        for (int i = 0; i < CalloutCount; ++i) {
            if (TarnPushButton *button = callout(i, group)) {
                const bool selected = group == m_selectedGroup && i == m_selectedIndex;
                const bool hovered = group == m_hoverGroup && i == m_hoverIndex;
                button->setHighlighted(selected || hovered);
            }
        }
    }
    update();
}

TarnPushButton *MousePicture::callout(int index, int group) const
{
    if (group == 0)
        return m_front.value(index);
    if (group == 2 && index == 0)
        return m_up;
    if (group == 2 && index == 1)
        return m_down;
    return nullptr;
}

QRect MousePicture::pictureRect() const
{
    return ScaledRect(PictureX, PictureY, PictureSide, PictureSide);
}

const QPixmap &MousePicture::picture(bool front)
{
    // Read when first shown, at the size shown.
    SkinPicture &shown = front ? m_frontPicture : m_sidePicture;
    const QString file
        = front ? ModelPictures::frontPicture(m_productName) : ModelPictures::sidePicture(m_productName);
    if (shown.relative() != file)
        shown = SkinPicture(file);
    return shown.at(pictureRect().size(), devicePixelRatioF(), Qt::KeepAspectRatio);
}

void MousePicture::relayout()
{
    PlaceWidget(this, 24, 124, AreaWidth, AreaHeight);
    m_frontSwitch->setGeometry(ScaledRect(10, 8, 80, 26));
    m_sideSwitch->setGeometry(ScaledRect(96, 8, 80, 26));
    m_up->setGeometry(ScaledRect(163, 360, 32, 32));
    m_down->setGeometry(ScaledRect(211, 360, 32, 32));
    QFont noteFont = CurrentLanguageFont();
    noteFont.setPixelSize(qMax(1, Scaled(NoteFontSize)));
    m_sideNote->setFont(noteFont);
    m_sideNote->setGeometry(ScaledRect(LeftColumnX, NoteY, AreaWidth - 2 * LeftColumnX, AreaHeight - NoteY));
    // Callouts stand in a column on the side of the picture their button is on, in order of their
    // point's height so that no two leader lines cross, never closer than the gap.
    QVector<int> order(CalloutCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [](int a, int b) {
        return ModelPictures::calloutAnchor(a).y() < ModelPictures::calloutAnchor(b).y();
    });
    int nextY[2] = { 0, 0 };
    for (const int i : qAsConst(order)) {
        const QPointF anchor = ModelPictures::calloutAnchor(i);
        const int column = anchor.x() < 0.5 ? 0 : 1;
        // Only the callouts shown take room in their column.
        const bool shown = i < m_buttonCount;
        int y = int(PictureY + anchor.y() * PictureSide) - CalloutSide / 2;
        y = qMax(y, nextY[column]);
        if (shown)
            nextY[column] = y + CalloutGap;
        m_front[i]->setGeometry(
            ScaledRect(column == 0 ? LeftColumnX : RightColumnX, y, CalloutSide, CalloutSide));
    }
    update();
}

void MousePicture::retranslate()
{
    m_frontSwitch->setText(tr("Front"));
    m_frontSwitch->setAccessibleName(tr("Front"));
    m_sideSwitch->setText(tr("Side"));
    m_sideSwitch->setAccessibleName(tr("Side"));
    // The note is read where the view is chosen too, since a label takes no focus.
    const QString note = tr("Every button of this mouse is set in the front view.");
    m_sideNote->setText(note);
    m_sideNote->setAccessibleName(note);
    m_sideSwitch->setAccessibleDescription(note);
    m_up->setAccessibleName(tr("Wheel up"));
    m_up->setToolTip(tr("Wheel up"));
    m_down->setAccessibleName(tr("Wheel down"));
    m_down->setToolTip(tr("Wheel down"));
    // The callouts share their names with the list's buttons but only select them: say so.
    const QString selects = tr("Selects this button in the list");
    for (int i = 0; i < CalloutCount; ++i) {
        m_front[i]->setAccessibleName(tr("Button %1").arg(i + 1));
        m_front[i]->setAccessibleDescription(selects);
    }
}

void MousePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool front = m_frontShown || !m_interactive;
    const QRect target = pictureRect();
    const QPixmap &shown = picture(front);
    if (!shown.isNull())
        painter.drawPixmap(target, shown);
    if (!m_interactive || !front)
        return;
    // A leader line from each callout to the point of its button on the picture.
    for (int i = 0; i < m_buttonCount; ++i) {
        const QRect box = m_front[i]->geometry();
        const QPointF anchor = ModelPictures::calloutAnchor(i);
        const QPointF point(target.left() + anchor.x() * target.width(),
                            target.top() + anchor.y() * target.height());
        const QPointF start(anchor.x() < 0.5 ? box.right() + 1 : box.left(), box.center().y() + 0.5);
        const bool active = m_front[i]->isHighlighted();
        QColor line = active ? AccentColor() : ThemeColor::unfilled();
        line.setAlpha(active ? 255 : 140);
        painter.setPen(QPen(line, qMax(1.0, UiScale())));
        painter.drawLine(start, point);
        painter.setBrush(line);
        const double dot = 2.5 * UiScale();
        painter.drawEllipse(point, dot, dot);
    }
}
