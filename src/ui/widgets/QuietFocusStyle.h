#pragma once

#include <QProxyStyle>

// The application's style without the platform's dotted focus rectangle inside the windows that ask
// for it: their skinned controls paint their own focus frame (PaintFocusFrame) when the focus came
// from the keyboard, and the others show it through their frame or text. Other windows keep it.
class QuietFocusStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps `base` (the current application style when null), taking it over.
    explicit QuietFocusStyle(QStyle *base = nullptr);

    // Draws every primitive as the base style does, except the focus rectangle inside a quiet window.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Leaves out the focus rectangle in `root` and everything under it, dialogs included, making this
    // the application's style first if it is not. Call it before making any child, so that no widget
    // is polished twice.
    static void quieten(QWidget *root);

private:
    static bool isQuiet(const QWidget *widget);
};
