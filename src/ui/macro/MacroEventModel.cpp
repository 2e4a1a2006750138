#include "ui/macro/MacroEventModel.h"

#include <QVariantList>

MacroEventModel::MacroEventModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int MacroEventModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_events.size();
}

int MacroEventModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant MacroEventModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_events.size())
        return QVariant();
    const MacroEvent &event = m_events.at(index.row());
    if (role == EventRole)
        return QVariantList { int(event.map), int(event.H), int(event.L) };
    if (role != Qt::DisplayRole)
        return QVariant();
    const int bytes[] = { event.map, event.H, event.L };
    return QString::number(bytes[qBound(0, index.column(), 2)]);
}

QVariant MacroEventModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return tr("KEY");
    case 1:
        return tr("ACTION");
    case 2:
        return tr("DELAY(ms)");
    default:
        return QVariant();
    }
}

MacroEvent MacroEventModel::event(int row) const
{
    return row >= 0 && row < m_events.size() ? m_events.at(row) : MacroEvent();
}

void MacroEventModel::setEvents(const QVector<MacroEvent> &events)
{
    beginResetModel();
    m_events = events;
    endResetModel();
}

void MacroEventModel::appendEvent(const MacroEvent &event)
{
    insertEvents(m_events.size(), { event });
}

void MacroEventModel::insertEvents(int row, const QVector<MacroEvent> &events)
{
    if (events.isEmpty())
        return;
    row = qBound(0, row, m_events.size());
    beginInsertRows(QModelIndex(), row, row + events.size() - 1);
    for (int i = 0; i < events.size(); ++i)
        m_events.insert(row + i, events.at(i));
    endInsertRows();
}

void MacroEventModel::setEvent(int row, const MacroEvent &event)
{
    if (row < 0 || row >= m_events.size())
        return;
    m_events[row] = event;
    emit dataChanged(index(row, 0), index(row, 2));
}

void MacroEventModel::removeEvents(int row, int count)
{
    if (row < 0 || count <= 0 || row >= m_events.size())
        return;
    count = qMin(count, m_events.size() - row);
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_events.remove(row, count);
    endRemoveRows();
}

bool MacroEventModel::moveEvent(int from, int to)
{
    const int size = m_events.size();
    if (from < 0 || from >= size || to < 0 || to >= size)
        return false;
    if (from == to)
        return true;
    // beginMoveRows takes the index before which the row lands in the old numbering.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    m_events.move(from, to);
    endMoveRows();
    return true;
}

void MacroEventModel::clear()
{
    setEvents({});
}

void MacroEventModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, 2);
}
