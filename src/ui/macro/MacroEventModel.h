#pragma once

#include "storage/ConfigData.h"

#include <QAbstractTableModel>
#include <QVector>

// The events of the macro being edited: one row per event, its type byte and two data bytes as
// decimal text in the columns "KEY", "ACTION" and "DELAY(ms)" (the delegate paints them readable).
class MacroEventModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The role that gives a row's whole event (a QVariant holding the three bytes as a list).
    static constexpr int EventRole = Qt::UserRole + 1;

    // An empty model.
    explicit MacroEventModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // All events in row order.
    const QVector<MacroEvent> &events() const { return m_events; }
    // The event of `row`; a default event outside the rows.
    MacroEvent event(int row) const;
    // Replaces every row.
    void setEvents(const QVector<MacroEvent> &events);
    // Appends one row.
    void appendEvent(const MacroEvent &event);
    // Inserts `events` before `row` (0..rowCount()).
    void insertEvents(int row, const QVector<MacroEvent> &events);
    // Replaces the event of `row`.
    void setEvent(int row, const MacroEvent &event);
    // Removes `count` rows from `row`.
    void removeEvents(int row, int count = 1);
    // Moves the row `from` to the index `to`; false when either is outside the rows.
    bool moveEvent(int from, int to);
    // Removes every row.
    void clear();
    // Tells the views that the header texts changed (language).
    void retranslate();

private:
    QVector<MacroEvent> m_events;
};
