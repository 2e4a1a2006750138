#pragma once

#include "ui/widgets/SkinPicture.h"

#include <QStyledItemDelegate>

// Paints the rows of the event table: key name with a keyboard picture, mouse button or move with a
// mouse picture, "Press" or "Release" with their pictures, the distance of a move, the delay in ms.
class TarnMacroItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // Delays are shown in units of `unit` milliseconds.
    explicit TarnMacroItemDelegate(int unit, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_unit;
    // Made at the row's picture size when first painted.
    mutable SkinPicture m_keyboard;
    mutable SkinPicture m_mouse;
    mutable SkinPicture m_press;
    mutable SkinPicture m_release;
};
