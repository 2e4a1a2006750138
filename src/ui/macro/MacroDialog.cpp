#include "ui/macro/MacroDialog.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "platform/KeyScanCodes.h"
#include "storage/MacroEvents.h"
#include "storage/MacroFile.h"
#include "storage/MacroFit.h"
#include "storage/MacroList.h"
#include "storage/ProductDefinition.h"
#include "ui/macro/MacroEditPanel.h"
#include "ui/macro/MacroEventModel.h"
#include "ui/macro/MacroListPanel.h"
#include "ui/macro/MacroNames.h"
#include "ui/macro/MacroNotices.h"
#include "ui/macro/MacroRecordPanel.h"
#include "ui/macro/MacroRecorder.h"
#include "ui/macro/MacroRowEditor.h"
#include "ui/macro/MacroStyle.h"
#include "ui/macro/TarnGunsetDialog.h"
#include "ui/macro/TarnMacroItemDelegate.h"
#include "ui/macro/TarnTreeItem.h"
#include "ui/macro/TarnTreeWidget.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QShortcut>
#include <QTableView>

using namespace MacroEvents;

MacroDialog::MacroDialog(QWidget *parent)
    : ConfigPage(parent)
    , m_unit(MinDelay())
    , m_model(new MacroEventModel(this))
    , m_rows(std::make_unique<MacroRowEditor>(m_model, m_unit))
    , m_recorder(std::make_unique<MacroRecorder>(m_model, m_unit))
    , m_listPanel(new MacroListPanel(this))
    , m_mouseAction(new QCheckBox(this))
    , m_treeTitle(new QLabel(this))
    , m_tree(new TarnTreeWidget(this))
    , m_recordPanel(new MacroRecordPanel(this))
    , m_table(new QTableView(this))
    , m_cutNotice(new QLabel(this))
    , m_eventButtons(new MacroEventButtons(this))
    , m_editPanel(new MacroEditPanel(m_unit, this))
{
    setObjectName(QStringLiteral("MacroDialog"));
    // Transparent without passing "background" down: it would blank the table's header sections.
    setStyleSheet(QStringLiteral("#MacroDialog{background:transparent;}"));
    buildTable();
    m_cutNotice->setObjectName(QStringLiteral("cutNotice"));
    m_cutNotice->setWordWrap(true);
    m_cutNotice->hide();
    // Recording, editing and loading all change the rows: the notice follows them.
    connect(m_model, &MacroEventModel::modelReset, this, &MacroDialog::updateCutNotice);
    connect(m_model, &MacroEventModel::rowsInserted, this, &MacroDialog::updateCutNotice);
    connect(m_model, &MacroEventModel::rowsRemoved, this, &MacroDialog::updateCutNotice);
    connect(m_model, &MacroEventModel::dataChanged, this, &MacroDialog::updateCutNotice);
    m_editPanel->hide();
    showMouseActions(false);

    connect(m_listPanel, &MacroListPanel::macroSelected, this, &MacroDialog::loadMacro);
    connect(m_listPanel, &MacroListPanel::batchModeChanged, this, [this] { updateEnabled(); });
    connect(m_mouseAction, &QCheckBox::toggled, this, &MacroDialog::showMouseActions);
    connect(m_tree, &TarnTreeWidget::actionChosen, this, &MacroDialog::TreeitemClick);
    connect(m_recordPanel, &MacroRecordPanel::startRequested, this, [this] { startRecording(false); });
    connect(m_recordPanel, &MacroRecordPanel::stopRequested, this, &MacroDialog::stopRecording);
    connect(m_recordPanel, &MacroRecordPanel::settingsEdited, this, &MacroDialog::changed);
    connect(m_eventButtons, &MacroEventButtons::triggered, this, &MacroDialog::runEventAction);
    connect(m_editPanel, &MacroEditPanel::eventEdited, this,
            [this](const MacroEvent &event) { m_model->setEvent(currentRow(), event); });
    connect(m_editPanel, &MacroEditPanel::saveRequested, this, &MacroDialog::saveEditing);
    connect(m_editPanel, &MacroEditPanel::cancelRequested, this, &MacroDialog::cancelEditing);

    retranslate();
    relayout();
    loadMacro(m_listPanel->selectedName());
}

MacroDialog::~MacroDialog()
{
    stopCapture();
}

void MacroDialog::buildTable()
{
    m_table->setModel(m_model);
    m_table->setItemDelegate(new TarnMacroItemDelegate(m_unit, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setHighlightSections(false);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { CurrentChanged(current.isValid() ? current.row() : -1); });
    const QPair<QKeySequence, MacroEventButtons::Action> shortcuts[] = {
        { QKeySequence::Copy, MacroEventButtons::Copy },
        { QKeySequence::Cut, MacroEventButtons::Cut },
        { QKeySequence::Paste, MacroEventButtons::Paste },
    };
    for (const auto &shortcut : shortcuts) {
        auto *key = new QShortcut(shortcut.first, m_table, nullptr, nullptr, Qt::WidgetShortcut);
        const MacroEventButtons::Action action = shortcut.second;
        connect(key, &QShortcut::activated, this, [this, action] {
            if (m_state == Idle && m_eventButtons->button(action)->isEnabled())
                runEventAction(action);
        });
    }
}

void MacroDialog::refreshFrom(ConfigData &, int)
{
    if (m_state == Idle)
        m_listPanel->refresh();
}

int MacroDialog::currentRow() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MacroDialog::SelectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_table->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void MacroDialog::CurrentChanged(int row)
{
    if (m_state == Editing)
        m_editPanel->showRow(m_model->event(row));
}

void MacroDialog::loadMacro(const QString &name)
{
    if (m_state != Idle)
        return;
    m_name = name;
    const MacroFileData data = LoadMacroFile(name);
    m_loading = true;
    m_recordPanel->setDelayMode(data.delayType);
    m_recordPanel->setDefaultDelay(data.defaultDelay);
    m_recordPanel->setLoopType(data.loopType);
    m_recordPanel->setLoopCount(data.loopTime);
    m_model->setEvents(sanitized(data.events, data.count));
    m_loading = false;
    updateEnabled();
}

bool MacroDialog::saveMacro()
{
    if (!UsableMacroName(m_name))
        return false;
    MacroFileData data;
    data.delayType = m_recordPanel->delayMode();
    data.defaultDelay = m_recordPanel->defaultDelay();
    data.loopType = m_recordPanel->loopType();
    data.loopTime = m_recordPanel->loopCount();
    const QVector<MacroEvent> &events = m_model->events();
    data.count = qMin(events.size(), int(KeyInfoSlots));
    std::copy(events.begin(), events.begin() + data.count, data.events);
    return SaveMacroFile(m_name, data);
}

void MacroDialog::changed()
{
    // Outside edit mode every change is kept at once, so switching macros loses nothing.
    if (!m_loading && m_state == Idle)
        saveMacro();
}

void MacroDialog::startRecording(bool after)
{
    if (m_state != Idle || m_name.isEmpty() || MacroCount() == 0)
        return;
    int insertRow = 0;
    if (after) {
        const int current = currentRow();
        insertRow = current >= 0 ? current + 1 : m_model->rowCount();
    } else {
        m_model->clear();
    }
    m_recorder->start(insertRow, m_recordPanel->delayMode(), m_recordPanel->defaultDelay());
    setState(Recording);
    startCapture();
    setFocus();
}

void MacroDialog::stopRecording()
{
    if (m_state != Recording)
        return;
    m_recorder->stop();
    stopCapture();
    setState(Idle);
    if (hasStuckKeys(m_model->events()))
        MacroNotices::stuckKeys(this);
    saveMacro();
}

void MacroDialog::startEditing()
{
    const int row = currentRow();
    if (m_state != Idle || row < 0)
        return;
    setState(Editing);
    m_editPanel->showRow(m_model->event(row));
    startCapture();
}

void MacroDialog::saveEditing()
{
    if (m_state != Editing)
        return;
    stopCapture();
    setState(Idle);
    saveMacro();
}

void MacroDialog::cancelEditing()
{
    if (m_state != Editing)
        return;
    stopCapture();
    setState(Idle);
    loadMacro(m_name);
}

void MacroDialog::keyCaptured(const CapturedKey &key)
{
    if (m_state == Recording) {
        const int row = m_recorder->record(key);
        if (row >= 0)
            SelectRow(row);
        // No button may keep the focus while keys are typed.
        setFocus();
    } else if (m_state == Editing && key.pressed && !key.autoRepeat) {
        m_editPanel->takeKey(CaptureKeyCode(key.makeCode, key.extended));
    }
}

void MacroDialog::startCapture()
{
    // The recorder only listens: keys still reach whatever program has the focus.
    m_capture = CreateKeyboardCapture(window());
    connect(m_capture.get(), &KeyboardCapture::keyEvent, this, &MacroDialog::keyCaptured);
    m_capture->start(false);
}

void MacroDialog::stopCapture()
{
    if (!m_capture)
        return;
    m_capture->stop();
    m_capture.reset();
}

void MacroDialog::setState(State state)
{
    const bool wasIdle = m_state == Idle;
    m_state = state;
    m_recordPanel->setRecording(state == Recording);
    m_editPanel->setVisible(state == Editing);
    updateEnabled();
    if (wasIdle != (state == Idle))
        emit EnableButtonsSignal(state == Idle);
}

void MacroDialog::updateEnabled()
{
    const bool idle = m_state == Idle;
    const bool single = idle && !m_name.isEmpty() && !m_listPanel->isBatchMode();
    m_listPanel->setControlsEnabled(idle);
    m_mouseAction->setEnabled(idle);
    m_tree->setEnabled(single);
    m_recordPanel->setOptionsEnabled(single);
    // A gun set is a new macro: it needs no macro shown, so a first one can be made from it.
    m_eventButtons->setEnabled(idle && !m_listPanel->isBatchMode());
    m_eventButtons->setRowActionsEnabled(single);
    m_table->setEnabled(m_state == Editing || single);
}

void MacroDialog::updateCutNotice()
{
    const QVector<MacroEvent> &events = m_model->events();
    const int sent = MacroEventsSent(events);
    m_cutNotice->setVisible(sent < events.size());
    if (sent < events.size()) {
        m_cutNotice->setText(tr("WITHOUT A DELAY THE MOUSE KEEPS ONLY THE FIRST %1 OF THESE %2 EVENTS. "
                                "INSERT A DELAY TO SEND THEM ALL.")
                                 .arg(sent)
                                 .arg(events.size()));
    }
}

void MacroDialog::showMouseActions(bool show)
{
    m_listPanel->setListVisible(!show);
    m_treeTitle->setVisible(show);
    m_tree->setVisible(show);
}

void MacroDialog::retranslate()
{
    m_listPanel->retranslate();
    m_recordPanel->retranslate();
    m_eventButtons->retranslate();
    m_editPanel->retranslate();
    m_tree->retranslate();
    m_model->retranslate();
    m_mouseAction->setText(tr("MOUSE ACTION"));
    m_treeTitle->setText(tr("MOUSE ACTION"));
    m_table->setAccessibleName(tr("MACRO EVENTS"));
    updateCutNotice();
}

void MacroDialog::relayout()
{
    PlaceWidget(m_listPanel, 0, 0, 230, 400);
    PlaceWidget(m_treeTitle, 0, 0, 230, 22);
    PlaceWidget(m_tree, 0, 26, 230, 236);
    PlaceWidget(m_mouseAction, 0, 406, 230, 22);
    // The recording panel's widest row ends at 490; the event buttons take the rest of the width, so
    // that "RECORD AFTER" and its translations clear the plates' edges.
    PlaceWidget(m_recordPanel, 245, 0, 490, 96);
    PlaceWidget(m_table, 245, 104, 490, 290);
    PlaceWidget(m_cutNotice, 245, 398, 490, 32);
    PlaceWidget(m_eventButtons, 740, 0, 211, 212);
    PlaceWidget(m_editPanel, 740, 226, 211, 164);
    m_listPanel->relayout();
    m_tree->relayout();
    m_recordPanel->relayout();
    m_eventButtons->relayout();
    m_editPanel->relayout();
    m_mouseAction->setStyleSheet(MacroStyle::checkBox());
    UseCheckBoxPictures(m_mouseAction);
    MacroStyle::setFont(m_mouseAction, 11);
    m_treeTitle->setStyleSheet(MacroStyle::label());
    m_cutNotice->setStyleSheet(QStringLiteral("background: transparent; color: %1;").arg(AccentColorCss()));
    MacroStyle::setFont(m_cutNotice, 11);
    QFont titleFont = CurrentLanguageFont();
    titleFont.setPixelSize(qMax(1, Scaled(13)));
    titleFont.setBold(true);
    m_treeTitle->setFont(titleFont);
    m_table->setStyleSheet(MacroStyle::itemView());
    UseCheckBoxPictures(m_table);
    MacroStyle::setFont(m_table, 12);
    for (int column = 0; column < 3; ++column)
        m_table->setColumnWidth(column, Scaled(158));
    m_table->verticalHeader()->setDefaultSectionSize(Scaled(24));
    m_table->horizontalHeader()->setFixedHeight(Scaled(26));
    m_table->horizontalHeader()->setStyleSheet(MacroStyle::header());
    MacroStyle::setFont(m_table->horizontalHeader(), 12);
}
