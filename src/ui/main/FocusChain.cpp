#include "ui/main/FocusChain.h"

#include "ui/widgets/ScreenTabOrder.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QScrollArea>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

bool reachable(const QWidget *widget, const QWidget *window)
{
    return widget->isVisibleTo(window) && widget->isEnabled();
}

// Reachable stops of `parts` in reading order, all parts sorted together.
QList<QWidget *> stopsOf(const QList<QPointer<QWidget>> &parts, QWidget *window, int rowTolerance)
{
    QList<QWidget *> stops;
    for (QWidget *stop : ScreenOrderedTabStops(window, rowTolerance)) {
        if (!reachable(stop, window))
            continue;
        for (const QPointer<QWidget> &part : parts) {
            if (part && (stop == part || part->isAncestorOf(stop))) {
                stops.append(stop);
                break;
            }
        }
    }
    return stops;
}

} // namespace

FocusChain::FocusChain(QWidget *window, const QList<QWidget *> &leading, const QList<QWidget *> &footer,
                       std::function<QWidget *()> firstFocus)
    : QObject(window)
    , m_window(window)
    , m_firstFocus(std::move(firstFocus))
{
    for (QWidget *part : leading)
        m_leading.append(part);
    for (QWidget *part : footer)
        m_footer.append(part);
    window->installEventFilter(this);
}

QList<QWidget *> FocusChain::stops() const
{
    const int rowTolerance = Scaled(10);
    QList<QWidget *> chain;
    for (const QPointer<QWidget> &part : m_leading)
        chain += stopsOf({ part }, m_window, rowTolerance);
    const QList<QWidget *> footer = stopsOf(m_footer, m_window, Scaled(40));
    // The page: every other reachable stop, panel by panel (the window's children, in reading order
    // of their corners), each panel read from top to bottom and left to right.
    QList<QWidget *> pageStops;
    for (QWidget *stop : ScreenOrderedTabStops(m_window, rowTolerance)) {
        if (reachable(stop, m_window) && !chain.contains(stop) && !footer.contains(stop))
            pageStops.append(stop);
    }
    QList<QWidget *> panels;
    for (QWidget *stop : pageStops) {
        QWidget *panel = stop;
        while (panel->parentWidget() != m_window)
            panel = panel->parentWidget();
        if (!panels.contains(panel))
            panels.append(panel);
    }
    std::stable_sort(panels.begin(), panels.end(), [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    QHash<QWidget *, int> rowOf;
    int rowTop = 0;
    for (int i = 0; i < panels.size(); ++i) {
        if (i == 0 || panels[i]->y() - rowTop > rowTolerance)
            rowTop = panels[i]->y();
        rowOf.insert(panels[i], rowTop);
    }
    std::stable_sort(panels.begin(), panels.end(), [&rowOf](QWidget *a, QWidget *b) {
        return rowOf[a] != rowOf[b] ? rowOf[a] < rowOf[b] : a->x() < b->x();
    });
    for (QWidget *panel : panels) {
        for (QWidget *stop : pageStops) {
            if (stop == panel || panel->isAncestorOf(stop))
                chain.append(stop);
        }
    }
    return chain + footer;
}

bool FocusChain::move(bool next)
{
    const QList<QWidget *> chain = stops();
    int index = -1;
    for (QWidget *focus = QApplication::focusWidget(); focus && index < 0 && focus != m_window;
         focus = focus->parentWidget())
        index = chain.indexOf(focus);
    if (index < 0 || chain.isEmpty())
        return false;
    const int count = int(chain.size());
    QWidget *target = chain.at((index + (next ? 1 : count - 1)) % count);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    for (QWidget *parent = target->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *area = qobject_cast<QScrollArea *>(parent))
            area->ensureWidgetVisible(target);
    }
    return true;
}

bool FocusChain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        if (QWidget *first = m_firstFocus ? m_firstFocus() : nullptr)
            first->setFocus(Qt::TabFocusReason);
    } else if (watched == m_window && event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        // The focus arrives with the window, which draws no frame; given again from the keyboard,
        // it shows someone without a mouse where they start.
        QWidget *first = m_firstFocus ? m_firstFocus() : nullptr;
        if (first && m_window->focusWidget() == first) {
            QTimer::singleShot(0, first, [first] {
                if (first->hasFocus()) {
                    first->clearFocus();
                    first->setFocus(Qt::TabFocusReason);
                }
            });
        }
    }
    return QObject::eventFilter(watched, event);
}
