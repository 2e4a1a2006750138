// The macro page's event editing: the event buttons, the mouse action tree and gun sets.
#include "ui/macro/MacroDialog.h"

#include "storage/MacroFile.h"
#include "storage/MacroList.h"
#include "ui/macro/MacroEditPanel.h"
#include "ui/macro/MacroEventModel.h"
#include "storage/MacroEvents.h"
#include "ui/macro/MacroListPanel.h"
#include "ui/macro/MacroNames.h"
#include "ui/macro/MacroNotices.h"
#include "ui/macro/MacroRecordPanel.h"
#include "ui/macro/MacroRowEditor.h"
#include "ui/macro/TarnGunsetDialog.h"
#include "ui/macro/TarnTreeItem.h"
#include "ui/macro/TarnTreeWidget.h"
#include "ui/widgets/Theme.h"

#include <QFile>
#include <QTableView>

using namespace MacroEvents;

bool MacroDialog::insertAfterCurrent(const QVector<MacroEvent> &events)
{
    int current = currentRow();
    if (!m_rows->insertAfter(current, events)) {
        MacroNotices::macroFull(this);
        return false;
    }
    SelectRow(current);
    changed();
    return true;
}

void MacroDialog::runEventAction(MacroEventButtons::Action action)
{
    if (action == MacroEventButtons::GunSet) {
        runGunSet();
        return;
    }
    if (m_state != Idle || m_name.isEmpty())
        return;
    int current = currentRow();
    QList<int> selected;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty() && current >= 0)
        selected << current;
    switch (action) {
    case MacroEventButtons::RecordAfter:
        startRecording(true);
        return;
    case MacroEventButtons::Edit:
        startEditing();
        return;
    case MacroEventButtons::InsertDelay:
        insertAfterCurrent({ delay(qMax(1, 10 / m_unit)) });
        return;
    case MacroEventButtons::Paste:
        if (!m_rows->clipboard().isEmpty())
            insertAfterCurrent(m_rows->clipboard());
        return;
    case MacroEventButtons::Copy:
        m_rows->copy(selected);
        return;
    case MacroEventButtons::Cut:
        m_rows->cut(selected, current);
        break;
    case MacroEventButtons::Delete:
        m_rows->deleteCurrent(current);
        break;
    case MacroEventButtons::MoveUp:
        m_rows->moveUp(current);
        break;
    case MacroEventButtons::MoveDown:
        m_rows->moveDown(current);
        break;
    case MacroEventButtons::Top:
        m_rows->moveToTop(current);
        break;
    case MacroEventButtons::Bottom:
        m_rows->moveToBottom(current);
        break;
    case MacroEventButtons::Clear:
        m_rows->clear(current);
        break;
    default:
        return;
    }
    SelectRow(current);
    changed();
}

void MacroDialog::TreeitemClick(TarnTreeItem *item)
{
    if (!item || m_state != Idle || m_name.isEmpty())
        return;
    const QVector<MacroEvent> pause
        = m_rows->delayAfterMouseEvent(m_recordPanel->delayMode(), m_recordPanel->defaultDelay());
    QVector<MacroEvent> events;
    switch (item->action()) {
    case TarnTreeItem::Click:
        events << button(true, item->button()) << pause << button(false, item->button()) << pause;
        break;
    case TarnTreeItem::Press:
        events << button(true, item->button()) << pause;
        break;
    case TarnTreeItem::Release:
        events << button(false, item->button()) << pause;
        break;
    case TarnTreeItem::Move:
        events << MacroEvents::move(item->direction(), m_tree->distance(item->direction())) << pause;
        break;
    }
    insertAfterCurrent(events);
}

void MacroDialog::runGunSet()
{
    if (m_state != Idle)
        return;
    if (MacroCount() >= MacroListSlots) {
        MacroNotices::tooManyMacros(this);
        return;
    }
    TarnGunsetDialog dialog(UiScale(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = FreeMacroName(dialog.fileName());
    const QVector<MacroEvent> events = dialog.events();
    if (!SaveGunFile(name, events.constData(), events.size())) {
        MacroNotices::copyFailed(this);
        return;
    }
    if (!AddToMacroList(name)) {
        // An unlisted file would take the name from the next gun set without being shown.
        QFile::remove(MacroFilePath(name));
        MacroNotices::copyFailed(this);
        return;
    }
    m_listPanel->refresh(name);
}
