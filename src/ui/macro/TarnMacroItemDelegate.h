#pragma once

#include <QPixmap>
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
    QPixmap m_keyboard;
    QPixmap m_mouse;
    QPixmap m_press;
    QPixmap m_release;
};
