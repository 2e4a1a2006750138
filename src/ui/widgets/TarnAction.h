#pragma once

#include <QAction>

// A menu action that knows its place in the list it was built from (a language, a slot, a model).
class TarnAction : public QAction
{
    Q_OBJECT
public:
    // An action reading `text` for entry `index` of its list.
    TarnAction(const QString &text, int index, QObject *parent = nullptr);

    // The entry of the list this action stands for.
    int index() const { return m_index; }

private:
    int m_index;
};
