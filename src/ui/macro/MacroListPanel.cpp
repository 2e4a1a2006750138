#include "ui/macro/MacroListPanel.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "storage/MacroFile.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"
#include "ui/macro/MacroNames.h"
#include "ui/macro/MacroNotices.h"
#include "ui/macro/MacroStyle.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const char *const MacroFilter = QT_TRANSLATE_NOOP("MacroListPanel", "Macro File(*.MSMACRO)");

} // namespace

MacroListPanel::MacroListPanel(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_list(new QListWidget(this))
    , m_new(new TarnPushButton(QString(), this))
    , m_delete(new TarnPushButton(QString(), this))
    , m_nameEdit(new QLineEdit(this))
    , m_rename(new TarnPushButton(QString(), this))
    , m_import(new TarnPushButton(QString(), this))
    , m_export(new TarnPushButton(QString(), this))
    , m_batchButton(new TarnPushButton(QString(), this))
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_nameEdit->setMaxLength(MaxMacroNameLength);
    m_batchButton->setCheckable(true);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        const QString name = selectedName();
        m_nameEdit->setText(name);
        m_shown = name;
        emit macroSelected(name);
    });
    connect(m_new, &QPushButton::clicked, this, &MacroListPanel::newMacro);
    connect(m_delete, &QPushButton::clicked, this, &MacroListPanel::deleteMacro);
    connect(m_rename, &QPushButton::clicked, this, &MacroListPanel::renameMacro);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MacroListPanel::renameMacro);
    connect(m_import, &QPushButton::clicked, this, &MacroListPanel::importMacros);
    connect(m_export, &QPushButton::clicked, this, &MacroListPanel::exportMacros);
    connect(m_batchButton, &QPushButton::clicked, this, &MacroListPanel::toggleBatchMode);
    retranslate();
    relayout();
    refresh();
}

void MacroListPanel::refresh(const QString &select)
{
    const QString keep = select.isEmpty() ? selectedName() : select;
    const int oldRow = m_list->currentRow();
    const QStringList names = LoadMacroList();
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const QString &name : names) {
            auto *item = new QListWidgetItem(name, m_list);
            if (m_batch) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
            } else {
                item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
            }
        }
        int row = names.indexOf(keep);
        if (row < 0)
            row = qMin(qMax(oldRow, 0), names.size() - 1);
        m_list->setCurrentRow(row);
    }
    const QString name = selectedName();
    m_nameEdit->setText(name);
    m_shown = name;
    updateEnabled();
    emit macroSelected(name);
}

QString MacroListPanel::selectedName() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->text() : QString();
}

QStringList MacroListPanel::checkedNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            names << m_list->item(row)->text();
    }
    return names;
}

void MacroListPanel::newMacro()
{
    if (MacroCount() >= MacroListSlots) {
        MacroNotices::tooManyMacros(this);
        return;
    }
    const QString name = CreateMacro();
    if (name.isEmpty()) {
        MacroNotices::copyFailed(this);
        return;
    }
    MacroFileData data;
    data.defaultDelay = 10;
    data.loopTime = 1;
    SaveMacroFile(name, data);
    refresh(name);
}

void MacroListPanel::deleteMacro()
{
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (!DeleteMacro(name)) {
        MacroNotices::copyFailed(this);
        return;
    }
    refresh();
}

void MacroListPanel::renameMacro()
{
    const QString oldName = selectedName();
    const QString wanted = m_nameEdit->text().trimmed();
    if (oldName.isEmpty() || wanted == oldName)
        return;
    if (!UsableMacroName(wanted)) {
        MacroNotices::unusableName(this);
        return;
    }
    const QString newName = FreeMacroName(wanted);
    if (!RenameMacro(oldName, newName)) {
        MacroNotices::copyFailed(this);
        return;
    }
    refresh(newName);
}

void MacroListPanel::importMacros()
{
    const QString filter = tr(MacroFilter);
    if (!m_batch) {
        const QString path = Prompts().openFileName(this, tr("Load Macro File"), QString(), filter);
        if (path.isEmpty())
            return;
        QString name;
        switch (ImportMacro(path, name)) {
        case MacroImport::Imported:
            refresh(name);
            break;
        case MacroImport::Exists:
            MacroNotices::macroExists(this);
            break;
        case MacroImport::ListFull:
            MacroNotices::tooManyMacros(this);
            break;
        case MacroImport::BadName:
            MacroNotices::unusableName(this);
            break;
        default:
            MacroNotices::copyFailed(this);
            break;
        }
        return;
    }
    const QStringList paths = Prompts().openFileNames(this, tr("Load Macro File"), QString(), filter);
    bool exists = false;
    bool badName = false;
    bool failed = false;
    for (const QString &path : paths) {
        QString name;
        const MacroImport result = ImportMacro(path, name);
        if (result == MacroImport::ListFull) {
            MacroNotices::tooManyMacros(this);
            break;
        }
        exists |= result == MacroImport::Exists;
        badName |= result == MacroImport::BadName;
        failed |= result == MacroImport::Unreadable || result == MacroImport::Failed;
    }
    // An existing macro is never replaced by a batch import; one notice tells about all skipped files.
    if (exists)
        MacroNotices::macroExists(this);
    if (badName)
        MacroNotices::unusableName(this);
    if (failed)
        MacroNotices::copyFailed(this);
    if (!paths.isEmpty())
        refresh();
}

void MacroListPanel::exportMacros()
{
    const QString filter = tr(MacroFilter);
    if (!m_batch) {
        const QString name = selectedName();
        if (name.isEmpty())
            return;
        const QString path
            = Prompts().saveFileName(this, tr("Save Macro File"), name + QStringLiteral(".MSMACRO"), filter);
        if (!path.isEmpty() && !ExportMacro(name, path))
            MacroNotices::copyFailed(this);
        return;
    }
    const QStringList names = checkedNames();
    if (names.isEmpty())
        return;
    const QString dir = Prompts().existingDirectory(this, tr("Save Macro File"), QStringLiteral("./"));
    if (dir.isEmpty())
        return;
    bool failed = false;
    for (const QString &name : names)
        failed |= !ExportMacro(name, QDir(dir).filePath(name + QStringLiteral(".MSMACRO")));
    if (failed)
        MacroNotices::copyFailed(this);
}

void MacroListPanel::toggleBatchMode()
{
    m_batch = !m_batch;
    m_batchButton->setChecked(m_batch);
    refresh();
    emit batchModeChanged(m_batch);
}

void MacroListPanel::setListVisible(bool visible)
{
    m_title->setVisible(visible);
    m_list->setVisible(visible);
}

void MacroListPanel::setControlsEnabled(bool enabled)
{
    m_enabled = enabled;
    updateEnabled();
}

void MacroListPanel::updateEnabled()
{
    const bool any = m_list->count() > 0;
    m_list->setEnabled(m_enabled);
    m_new->setEnabled(m_enabled);
    m_import->setEnabled(m_enabled);
    m_batchButton->setEnabled(m_enabled);
    m_export->setEnabled(m_enabled && any);
    m_delete->setEnabled(m_enabled && any && !m_batch);
    m_rename->setEnabled(m_enabled && any && !m_batch);
    m_nameEdit->setEnabled(m_enabled && any && !m_batch);
}

void MacroListPanel::retranslate()
{
    m_title->setText(tr("MACRO LIST"));
    m_list->setAccessibleName(tr("MACRO LIST"));
    m_nameEdit->setPlaceholderText(tr("MACRO NAME"));
    m_nameEdit->setAccessibleName(tr("MACRO NAME"));
    const QList<QPair<TarnPushButton *, QString>> texts = {
        { m_new, tr("NEW") },       { m_delete, tr("DELETE") }, { m_rename, tr("CHANGE NAME") },
        { m_import, tr("IMPORT") }, { m_export, tr("EXPORT") }, { m_batchButton, tr("BATCH") },
    };
    for (const auto &text : texts) {
        text.first->setText(text.second);
        text.first->setAccessibleName(text.second);
    }
}

void MacroListPanel::relayout()
{
    PlaceWidget(m_title, 0, 0, 230, 22);
    PlaceWidget(m_list, 0, 26, 230, 236);
    PlaceWidget(m_new, 0, 270, 112, 28);
    PlaceWidget(m_delete, 118, 270, 112, 28);
    PlaceWidget(m_nameEdit, 0, 304, 230, 26);
    PlaceWidget(m_rename, 0, 336, 230, 28);
    PlaceWidget(m_import, 0, 370, 74, 28);
    PlaceWidget(m_export, 78, 370, 74, 28);
    PlaceWidget(m_batchButton, 156, 370, 74, 28);
    m_title->setStyleSheet(MacroStyle::label());
    QFont titleFont = CurrentLanguageFont();
    titleFont.setPixelSize(qMax(1, Scaled(13)));
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_list->setStyleSheet(MacroStyle::itemView() + MacroStyle::checkBox());
    UseCheckBoxPictures(m_list);
    MacroStyle::setFont(m_list, 12);
    m_nameEdit->setStyleSheet(MacroStyle::lineEdit());
    MacroStyle::setFont(m_nameEdit, 12);
    for (TarnPushButton *button : { m_new, m_delete, m_rename, m_import, m_export, m_batchButton })
        button->setDesignFontSize(11);
}
