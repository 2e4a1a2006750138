#pragma once

#include <QWidget>

class ProfileOperations;
class TarnPushButton;

// The footer of the window: "OK", "Cancel" and "Apply" for the whole configuration.
class ProfileActions : public QWidget
{
    Q_OBJECT
public:
    // Buttons that forward to `operations`.
    explicit ProfileActions(ProfileOperations *operations, QWidget *parent = nullptr);

    // Places the buttons again at the current scale (the window places the widget itself).
    void relayout();
    // Sets the button texts again through the translator.
    void retranslate();

private:
    TarnPushButton *m_ok;
    TarnPushButton *m_cancel;
    TarnPushButton *m_apply;
};
