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

    // Places the buttons again at the current scale. The window places the widget; this keeps its
    // right edge and makes it as wide as the buttons need.
    void relayout();
    // Sets the button texts again through the translator.
    void retranslate();

private:
    TarnPushButton *m_ok;
    TarnPushButton *m_cancel;
    TarnPushButton *m_apply;
};
