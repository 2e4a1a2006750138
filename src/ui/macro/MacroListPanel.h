#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class TarnPushButton;

// The macro library: the list of stored macros and its buttons "NEW", "DELETE", "CHANGE NAME" with
// the "MACRO NAME" field, "IMPORT", "EXPORT" and "BATCH" (check boxes on the rows for import and
// export of several macros at once).
class MacroListPanel : public QWidget
{
    Q_OBJECT
public:
    // The panel with the list read from the settings.
    explicit MacroListPanel(QWidget *parent = nullptr);

    // Fills the list again from the settings; `select` (else the current row, else row 0) becomes
    // current, and macroSelected() tells the name shown.
    void refresh(const QString &select = QString());
    // The name of the current row; empty with an empty list.
    QString selectedName() const;
    // True in batch mode.
    bool isBatchMode() const { return m_batch; }
    // The names whose rows are ticked (batch mode).
    QStringList checkedNames() const;
    // Shows or hides the list and its title (the mouse action tree takes their place).
    void setListVisible(bool visible);
    // Enables or disables every control (recording and editing).
    void setControlsEnabled(bool enabled);

    // Places the children at the current scale.
    void relayout();
    // Sets every text again through the translator.
    void retranslate();

    QListWidget *listWidget() const { return m_list; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    TarnPushButton *newButton() const { return m_new; }
    TarnPushButton *deleteButton() const { return m_delete; }
    TarnPushButton *renameButton() const { return m_rename; }
    TarnPushButton *importButton() const { return m_import; }
    TarnPushButton *exportButton() const { return m_export; }
    TarnPushButton *batchButton() const { return m_batchButton; }

public slots:
    // "NEW": creates "name_<n>" with the default settings and shows it.
    void newMacro();
    // "DELETE": removes the shown macro and its file, without asking.
    void deleteMacro();
    // "CHANGE NAME": gives the shown macro the name typed in "MACRO NAME" (made free with "_2", ...).
    void renameMacro();
    // "IMPORT": copies one chosen file (several in batch mode) into the library.
    void importMacros();
    // "EXPORT": copies the shown macro (the ticked ones in batch mode) out of the library.
    void exportMacros();
    // "BATCH": enters or leaves batch mode.
    void toggleBatchMode();

signals:
    // The macro `name` (empty: none) is now the one shown.
    void macroSelected(const QString &name);
    // Batch mode was entered (true) or left.
    void batchModeChanged(bool batch);

private:
    void updateEnabled();

    bool m_batch = false;
    bool m_enabled = true;
    QString m_shown;
    QLabel *m_title;
    QListWidget *m_list;
    TarnPushButton *m_new;
    TarnPushButton *m_delete;
    QLineEdit *m_nameEdit;
    TarnPushButton *m_rename;
    TarnPushButton *m_import;
    TarnPushButton *m_export;
    TarnPushButton *m_batchButton;
};
