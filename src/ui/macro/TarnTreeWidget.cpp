#include "ui/macro/TarnTreeWidget.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "ui/macro/MacroStyle.h"
#include "ui/macro/TarnTreeItem.h"
#include "ui/widgets/Theme.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>

using namespace MacroEvents;

TarnTreeWidget::TarnTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(2);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    for (int b = 0; b < ButtonCount; ++b) {
        auto *item = new TarnTreeItem(TarnTreeItem::Click, Button(b));
        item->addChild(new TarnTreeItem(TarnTreeItem::Press, Button(b)));
        item->addChild(new TarnTreeItem(TarnTreeItem::Release, Button(b)));
        addTopLevelItem(item);
        m_buttons[b] = item;
    }
    for (int d = 0; d < DirectionCount; ++d) {
        auto *item = new TarnTreeItem(Direction(d));
        addTopLevelItem(item);
        m_moves[d] = item;
        auto *edit = new QLineEdit(QStringLiteral("1"), this);
        edit->setMaxLength(3);
        edit->setValidator(new QIntValidator(1, MaxMoveDistance, edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItemWidget(item, 1, edit);
        m_distance[d] = edit;
    }
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { itemClickedSlot(item); });
    retranslate();
    relayout();
}

int TarnTreeWidget::distance(Direction direction) const
{
    return qBound(1, m_distance[direction]->text().toInt(), MaxMoveDistance);
}

void TarnTreeWidget::retranslate()
{
    setHeaderLabels({ tr("MOUSE COMMAND"), tr("DISTANCE") });
    setAccessibleName(tr("MOUSE COMMAND"));
    for (TarnTreeItem *item : m_buttons) {
        item->retranslate();
        for (int c = 0; c < item->childCount(); ++c)
            static_cast<TarnTreeItem *>(item->child(c))->retranslate();
    }
    for (int d = 0; d < DirectionCount; ++d) {
        m_moves[d]->retranslate();
        m_distance[d]->setAccessibleName(tr("DISTANCE") + QLatin1Char(' ') + m_moves[d]->text(0));
    }
}

void TarnTreeWidget::relayout()
{
    setStyleSheet(MacroStyle::itemView());
    UseCheckBoxPictures(this);
    MacroStyle::setFont(this, 12);
    setColumnWidth(1, Scaled(78));
    header()->setStyleSheet(MacroStyle::header());
    for (QLineEdit *edit : m_distance) {
        edit->setStyleSheet(MacroStyle::lineEdit());
        MacroStyle::setFont(edit, 12);
        edit->setFixedHeight(Scaled(20));
    }
}

void TarnTreeWidget::itemClickedSlot(QTreeWidgetItem *item)
{
    auto *row = static_cast<TarnTreeItem *>(item);
    if (!row)
        return;
    if (row->action() == TarnTreeItem::Click && !row->isExpanded()) {
        for (TarnTreeItem *other : m_buttons)
            other->setExpanded(other == row);
        return;
    }
    emit actionChosen(row);
}

void TarnTreeWidget::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && currentItem()) {
        itemClickedSlot(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
