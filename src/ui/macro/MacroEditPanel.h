#pragma once

#include "storage/ConfigData.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QMenu;
class TarnPushButton;

// The edit panel: shows one event row and changes it. A key row takes the next captured key, a delay
// row its milliseconds (10 to 65535), a mouse button row its button, a move row direction and distance.
class MacroEditPanel : public QWidget
{
    Q_OBJECT
public:
    // An empty panel; delays are counted in units of `unit` milliseconds.
    explicit MacroEditPanel(int unit, QWidget *parent = nullptr);

    // Shows `event` and enables the fields that belong to its kind.
    void showRow(const MacroEvent &event);
    // The event as edited so far.
    MacroEvent event() const { return m_event; }
    // Takes the key `keyCode` for a key row (ignored for other rows and keys without HID usage).
    void takeKey(int keyCode);
    // Places the children at the current scale.
    void relayout();
    // Sets every text again through the translator.
    void retranslate();

    // Fields, for the page's tab order and for tests.
    QLineEdit *delayEdit() const { return m_delayEdit; }
    QLineEdit *distanceEdit() const { return m_distanceEdit; }
    TarnPushButton *buttonMenuButton() const { return m_buttonMenuButton; }
    TarnPushButton *moveMenuButton() const { return m_moveMenuButton; }
    TarnPushButton *saveButton() const { return m_save; }
    TarnPushButton *cancelButton() const { return m_cancel; }
    QLabel *keyDisplay() const { return m_keyDisplay; }

public slots:
    // The delay field changed: a whole number of 10 to 65535 ms becomes the row's delay.
    void EditDelayChanged(const QString &text);
    // The distance field changed: 1 to 120 becomes the move's distance.
    void EditMoveChanged(const QString &text);

signals:
    // The shown row was changed to `event`.
    void eventEdited(const MacroEvent &event);
    // "SAVE" was pressed.
    void saveRequested();
    // "CANCEL" was pressed.
    void cancelRequested();

private:
    void chooseButton(int button);
    void chooseDirection(int direction);
    void refreshTexts();
    void setEditedEvent(const MacroEvent &event);

    int m_unit;
    MacroEvent m_event;
    bool m_showing = false;
    QLabel *m_keyLabel;
    QLabel *m_delayLabel;
    QLabel *m_moveLabel;
    QLabel *m_distanceLabel;
    QLabel *m_keyDisplay;
    QLineEdit *m_delayEdit;
    TarnPushButton *m_buttonMenuButton;
    QMenu *m_buttonMenu;
    TarnPushButton *m_moveMenuButton;
    QMenu *m_moveMenu;
    QLineEdit *m_distanceEdit;
    TarnPushButton *m_save;
    TarnPushButton *m_cancel;
};
