#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

// The window's Tab order as the eye reads it: the leading parts in their order (header, tabs,
// profile bar), then whatever page is showing from top to bottom and left to right, then the footer
// from left to right. Worked out at every Tab from what is visible, so pages built late or swapped
// need no wiring. The window's first focus goes to the control `firstFocus` names.
class FocusChain : public QObject
{
    Q_OBJECT
public:
    // A chain for `window`; `leading` and `footer` are the containers of those parts.
    FocusChain(QWidget *window, const QList<QWidget *> &leading, const QList<QWidget *> &footer,
               std::function<QWidget *()> firstFocus);

    // Every Tab stop now reachable, in order.
    QList<QWidget *> stops() const;
    // Moves the focus to the next (or previous) stop; false when the focus is not on the chain.
    bool move(bool next);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QList<QPointer<QWidget>> m_leading;
    QList<QPointer<QWidget>> m_footer;
    std::function<QWidget *()> m_firstFocus;
    bool m_shown = false;
    bool m_activated = false;
};
