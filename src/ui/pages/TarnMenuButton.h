#pragma once

#include "ui/widgets/SkinPicture.h"

#include <QPushButton>

// A drop-down button on the skin's menu plate ("/rate.png"): its text on the left, the caret of the
// picture on the right; opens its menu on a click, Space, Return or Enter.
class TarnMenuButton : public QPushButton
{
    Q_OBJECT
public:
    // A button without text or menu.
    explicit TarnMenuButton(QWidget *parent = nullptr);

    // Loads the plate picture again (after the skin folder changed).
    void reloadPicture();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    SkinPicture m_plate;
};
