#pragma once

#include <QAction>

// A menu action that carries the value it stands for: a function code of the button catalogue, or
// the place of a language in its list. Created without an owner where clearing a menu must only
// take it out of that menu.
class TarnAction : public QAction
{
    Q_OBJECT
public:
    // An action reading `text` for `value`.
    TarnAction(const QString &text, int value, QObject *parent = nullptr);

    // The value the action stands for.
    int value() const { return m_value; }

private:
    int m_value;
};
