#pragma once

#include <QAction>

// A menu entry of the button page: one function of the catalogue. Created without an owner, so
// clearing a menu only takes it out of that menu.
class TarnAction : public QAction
{
    Q_OBJECT
public:
    // The entry of function `fun`.
    explicit TarnAction(int fun)
        : QAction(nullptr)
        , m_fun(fun)
    { }

    // The function code the entry stores.
    int fun() const { return m_fun; }

private:
    int m_fun;
};
