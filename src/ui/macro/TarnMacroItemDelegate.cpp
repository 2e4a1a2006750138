#include "ui/macro/TarnMacroItemDelegate.h"

#include "ui/macro/MacroEventModel.h"
#include "ui/macro/MacroEventText.h"
#include "storage/MacroEvents.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/Theme.h"

#include <QPainter>

namespace {

constexpr int RowHeight = 24;
constexpr int IconSize = 16;
constexpr int Margin = 6;

} // namespace

TarnMacroItemDelegate::TarnMacroItemDelegate(int unit, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_unit(qMax(1, unit))
    , m_keyboard(QStringLiteral("/keybo.png"))
    , m_mouse(QStringLiteral("/mouse_move.png"))
    , m_press(QStringLiteral("/keydown.png"))
    , m_release(QStringLiteral("/keyup.png"))
{ }

void TarnMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const QVariantList bytes = index.data(MacroEventModel::EventRole).toList();
    if (bytes.size() != 3)
        return;
    const MacroEvent event
        = MacroEvents::make(quint8(bytes[0].toInt()), quint8(bytes[1].toInt()), quint8(bytes[2].toInt()));
    const MacroEventText text = DescribeMacroEvent(event, m_unit);

    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, AccentColor().darker(220)); // the accent pictures stay visible
    else if (index.row() % 2 == 1)
        painter->fillRect(option.rect, QColor(36, 36, 36));

    SkinPicture *icon = nullptr;
    QString label;
    switch (index.column()) {
    case 0:
        label = text.key;
        icon = text.keyIcon == MacroEventText::KeyboardIcon ? &m_keyboard
            : text.keyIcon == MacroEventText::MouseIcon     ? &m_mouse
                                                            : nullptr;
        break;
    case 1:
        label = text.action;
        icon = text.actionIcon == MacroEventText::PressIcon  ? &m_press
            : text.actionIcon == MacroEventText::ReleaseIcon ? &m_release
                                                             : nullptr;
        break;
    default:
        label = text.delay;
        break;
    }

    QRect area = option.rect.adjusted(Scaled(Margin), 0, -Scaled(Margin), 0);
    if (icon && !icon->isNull()) {
        const int size = Scaled(IconSize);
        const QRect iconRect(area.left(), area.center().y() - size / 2, size, size);
        icon->draw(*painter, iconRect);
        area.setLeft(iconRect.right() + Scaled(Margin));
    }
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(12)));
    painter->setFont(font);
    painter->setPen(option.state & QStyle::State_Enabled ? ThemeColor::text() : ThemeColor::disabled());
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(label, Qt::ElideRight, area.width()));
    painter->restore();
}

QSize TarnMacroItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(Scaled(RowHeight));
    return size;
}
