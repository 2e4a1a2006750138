#pragma once

#include "platform/KeyboardCapture.h"
#include "storage/ConfigData.h"
#include "ui/macro/MacroEventButtons.h"
#include "ui/pages/ConfigPage.h"

#include <memory>

class QCheckBox;
class QLabel;
class QTableView;
class QTreeWidgetItem;
class MacroEditPanel;
class MacroEventModel;
class MacroListPanel;
class MacroRecorder;
class MacroRecordPanel;
class MacroRowEditor;
class TarnTreeItem;
class TarnTreeWidget;

// The macro editor page: the macro library on the left (or the mouse action tree), the recording
// options above the event table, the event buttons and the edit panel on the right. Every change of
// the shown macro is written to its file at once, except in edit mode, which ends with "SAVE" or
// "CANCEL".
class MacroDialog : public ConfigPage
{
    Q_OBJECT
public:
    // What the editor is doing.
    enum State { Idle, Recording, Editing };

    // The page with the macro list read from the settings and its selected macro loaded.
    explicit MacroDialog(QWidget *parent = nullptr);
    ~MacroDialog() override;

    // Shows slot `slot` of `config` (macros belong to no slot: the list is read again).
    void refreshFrom(ConfigData &config, int slot) override;
    void relayout() override;
    void retranslate() override;

    // The current state.
    State state() const { return m_state; }
    // The name of the macro shown; empty with an empty list.
    QString macroName() const { return m_name; }
    // The event rows of the macro shown.
    MacroEventModel *model() const { return m_model; }
    // The current event row, -1 for none.
    int currentRow() const;

    // The parts of the page, for the window's tab order and for tests.
    MacroListPanel *listPanel() const { return m_listPanel; }
    MacroRecordPanel *recordPanel() const { return m_recordPanel; }
    MacroEventButtons *eventButtons() const { return m_eventButtons; }
    MacroEditPanel *editPanel() const { return m_editPanel; }
    TarnTreeWidget *mouseTree() const { return m_tree; }
    QCheckBox *mouseActionBox() const { return m_mouseAction; }
    QTableView *eventTable() const { return m_table; }
    // The line under the table saying that the mouse receives only part of the macro shown.
    QLabel *cutNotice() const { return m_cutNotice; }

public slots:
    // "START": records from the first row (after clearing them); with `after`, after the current row.
    void startRecording(bool after = false);
    // "STOP": ends the recording, warns about keys still held and saves the macro.
    void stopRecording();
    // "EDIT": shows the current row in the edit panel.
    void startEditing();
    // "SAVE" in edit mode.
    void saveEditing();
    // "CANCEL" in edit mode: the macro is read again from its file.
    void cancelEditing();
    // A key from the keyboard capture: recorded, or taken by the edit panel.
    void keyCaptured(const CapturedKey &key);
    // Runs one of the event buttons.
    void runEventAction(MacroEventButtons::Action action);
    // Inserts the events of a mouse action tree row after the current row.
    void TreeitemClick(TarnTreeItem *item);
    // "GUN SET": makes a gun file from the gun set dialog and lists it.
    void runGunSet();
    // Makes `row` the current event row (-1: none).
    void SelectRow(int row);
    // The current event row changed: the edit panel follows it in edit mode.
    void CurrentChanged(int row);

signals:
    // False while a macro is recorded or edited: the window disables its own controls.
    void EnableButtonsSignal(bool enable);

private:
    void buildTable();
    void loadMacro(const QString &name);
    bool saveMacro();
    void changed();
    void setState(State state);
    void updateEnabled();
    void startCapture();
    void stopCapture();
    bool insertAfterCurrent(const QVector<MacroEvent> &events);
    void showMouseActions(bool show);
    void updateCutNotice();

    int m_unit;
    State m_state = Idle;
    QString m_name;
    bool m_loading = false;
    MacroEventModel *m_model;
    std::unique_ptr<MacroRowEditor> m_rows;
    std::unique_ptr<MacroRecorder> m_recorder;
    std::unique_ptr<KeyboardCapture> m_capture;
    MacroListPanel *m_listPanel;
    QCheckBox *m_mouseAction;
    QLabel *m_treeTitle;
    TarnTreeWidget *m_tree;
    MacroRecordPanel *m_recordPanel;
    QTableView *m_table;
    QLabel *m_cutNotice;
    MacroEventButtons *m_eventButtons;
    MacroEditPanel *m_editPanel;
};
