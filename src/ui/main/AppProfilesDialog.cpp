#include "ui/main/AppProfilesDialog.h"
#include "ui/widgets/CheckBoxPictures.h"

#include "appprofiles/AppProfileFile.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int DialogWidth = 560;
constexpr int DialogHeight = 440;
constexpr int Margin = 28;
constexpr int TextPixelSize = 13;
constexpr int ButtonHeight = 28;

QString slotText(int slot)
{
    return AppProfilesDialog::tr("Profile %1").arg(slot + 1);
}

QLabel *textLabel(const QString &objectName, QWidget *parent, bool bold = false)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = CurrentLanguageFont();
    font.setPixelSize(Scaled(bold ? TextPixelSize + 3 : TextPixelSize));
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("background: transparent; color: %1;")
                             .arg(bold ? QStringLiteral("white") : QStringLiteral("rgb(225,225,225)")));
    return label;
}

TarnPushButton *plateButton(const QString &objectName, QWidget *parent)
{
    auto *button = new TarnPushButton(QString(), parent);
    button->setObjectName(objectName);
    button->setDesignFontSize(TextPixelSize);
    button->setFixedHeight(Scaled(ButtonHeight));
    return button;
}

// Fits a plate button to its text.
void fitButton(TarnPushButton *button)
{
    QFont font = CurrentLanguageFont();
    font.setPixelSize(Scaled(TextPixelSize));
    font.setBold(true);
    button->setFixedWidth(QFontMetrics(font).horizontalAdvance(button->text()) + Scaled(28));
    button->setAccessibleName(button->text());
}

QString controlStyle()
{
    return QStringLiteral(
               "QComboBox { color: white; background: rgb(40,40,40); border: 1px solid "
               "rgb(100,100,100); border-radius: 3px; padding: 2px %1px; }"
               "QComboBox:focus { border: 1px solid %2; }"
               "QLineEdit { color: white; background: rgb(40,40,40); border: 1px solid "
               "rgb(100,100,100); border-radius: 3px; padding: 2px %1px; font-family: monospace; }"
               "QLineEdit:focus { border: 1px solid %2; }"
               "QCheckBox { background: transparent; color: white; spacing: %1px; }"
               "QCheckBox:focus { color: %2; }"
               "QCheckBox::indicator { width: %5px; height: %5px; }"
               "QComboBox QAbstractItemView { background: rgb(40,40,40); color: white; "
               "selection-background-color: %2; selection-color: black; }"
               "QScrollArea, #appRuleList { background: transparent; border: none; }"
               "QMenu { background: rgb(40,40,40); color: white; border: 1px solid rgb(100,100,100); }"
               "QMenu::item { padding: %3px %4px; }"
               "QMenu::item:selected { background: %2; color: black; }")
        .arg(Scaled(6))
        .arg(AccentColorCss())
        .arg(Scaled(4))
        .arg(Scaled(12))
        .arg(Scaled(14));
}

} // namespace

AppProfilesDialog::AppProfilesDialog(const QString &supportSentence, OpenPrograms openPrograms,
                                     int newRuleSlot, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_openPrograms(std::move(openPrograms))
    , m_newRuleSlot(newRuleSlot)
    , m_background(QStringLiteral("/dlg.png"))
    , m_title(textLabel(QStringLiteral("appTitle"), this, true))
    , m_support(textLabel(QStringLiteral("appSupport"), this))
    , m_enableRow(new QWidget(this))
    , m_enableCommand(new QLineEdit(m_enableRow))
    , m_enable(plateButton(QStringLiteral("appEnableButton"), m_enableRow))
    , m_switch(new QCheckBox(this))
    , m_defaultLabel(textLabel(QStringLiteral("appDefaultLabel"), this))
    , m_default(slotBox(true))
    , m_list(new QWidget)
    , m_rows(new QGridLayout(m_list))
    , m_add(plateButton(QStringLiteral("appAddButton"), this))
    , m_addMenu(new QMenu(this))
    , m_close(CreateAcceptButton(this, false))
{
    setObjectName(QStringLiteral("AppProfilesDialog"));
    setModal(true);
    setFixedSize(Scaled(DialogWidth), Scaled(DialogHeight));
    setStyleSheet(controlStyle());
    QFont font = CurrentLanguageFont();
    font.setPixelSize(Scaled(TextPixelSize));
    setFont(font);

    setWindowTitle(tr("APPLICATIONS"));
    m_title->setText(tr("APPLICATIONS"));
    m_support->setText(supportSentence);
    m_enableCommand->setObjectName(QStringLiteral("appEnableCommand"));
    m_enableCommand->setAccessibleName(tr("Command"));
    m_enableCommand->setReadOnly(true);
    m_enable->setText(tr("TURN ON"));
    fitButton(m_enable);
    connect(m_enable, &TarnPushButton::clicked, this, &AppProfilesDialog::enableRequested);
    // The command on a line of its own: the whole of it stays in view, to read or copy.
    auto *enableLayout = new QVBoxLayout(m_enableRow);
    enableLayout->setContentsMargins(0, 0, 0, 0);
    enableLayout->setSpacing(Scaled(6));
    enableLayout->addWidget(m_enableCommand);
    auto *buttonLine = new QHBoxLayout;
    buttonLine->addWidget(m_enable);
    buttonLine->addStretch();
    enableLayout->addLayout(buttonLine);
    m_enableRow->hide();
    m_switch->setObjectName(QStringLiteral("appSwitch"));
    UseCheckBoxPictures(m_switch);
    m_switch->setText(tr("Switch profiles by application"));
    m_defaultLabel->setText(tr("Other programs"));
    m_defaultLabel->setWordWrap(false);
    m_defaultLabel->setBuddy(m_default);
    m_default->setObjectName(QStringLiteral("appDefaultSlot"));
    m_default->setAccessibleName(tr("Other programs"));
    m_add->setText(tr("ADD"));
    m_add->setToolTip(tr("Add a rule for a program"));
    fitButton(m_add);
    m_add->setMenu(m_addMenu);
    m_addMenu->setObjectName(QStringLiteral("appAddMenu"));
    connect(m_addMenu, &QMenu::aboutToShow, this, &AppProfilesDialog::fillAddMenu);

    m_list->setObjectName(QStringLiteral("appRuleList"));
    m_rows->setContentsMargins(0, 0, Scaled(8), 0);
    m_rows->setHorizontalSpacing(Scaled(10));
    m_rows->setVerticalSpacing(Scaled(6));
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_list);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->viewport()->setAutoFillBackground(false);
    m_list->setAutoFillBackground(false);

    connect(m_switch, &QCheckBox::toggled, this,
            [this](bool on) { change([on](AppProfileRules &rules) { rules.setSwitchingWanted(on); }); });
    connect(m_default, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        change([index](AppProfileRules &rules) { rules.setDefaultSlot(index - 1); });
    });

    auto *defaultRow = new QHBoxLayout;
    defaultRow->addWidget(m_defaultLabel);
    defaultRow->addWidget(m_default);
    defaultRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_add);
    buttonRow->addStretch();
    buttonRow->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(Margin), Scaled(Margin - 6), Scaled(Margin), Scaled(Margin - 6));
    layout->setSpacing(Scaled(10));
    layout->addWidget(m_title);
    layout->addWidget(m_support);
    layout->addWidget(m_enableRow);
    layout->addWidget(m_switch);
    layout->addLayout(defaultRow);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttonRow);

    rebuild();
    // Tab order: switch, other programs, the rows, ADD, close.
    m_switch->setFocus();
}

void AppProfilesDialog::setSupport(const QString &supportSentence, const QString &enableCommand)
{
    m_support->setText(supportSentence);
    m_enableCommand->setText(enableCommand);
    m_enableCommand->setCursorPosition(0);
    m_enableRow->setVisible(!enableCommand.isEmpty());
}

QComboBox *AppProfilesDialog::slotBox(bool withKeep)
{
    auto *box = new QComboBox(this);
    if (withKeep)
        box->addItem(tr("Leave the profile as it is"));
    for (int slot = 0; slot < 5; ++slot)
        box->addItem(slotText(slot));
    return box;
}

template<typename Edit> void AppProfilesDialog::change(Edit edit)
{
    AppProfileRules rules = AppProfileFile::load();
    edit(rules);
    if (!AppProfileFile::save(rules))
        ShowWarning(tr("Warning"),
                    tr("The rules could not be saved to \"%1\".")
                        .arg(QDir::toNativeSeparators(AppProfileFile::path())),
                    this);
    else
        emit rulesSaved();
    // Queued: the control that asked may be one of the rows rebuilt.
    QMetaObject::invokeMethod(this, &AppProfilesDialog::rebuild, Qt::QueuedConnection);
}

bool AppProfilesDialog::addRule(const QString &program)
{
    AppProfileRules probe;
    if (!probe.setRule(program, m_newRuleSlot))
        return false;
    bool saved = false;
    AppProfileRules rules = AppProfileFile::load();
    if (rules.setRule(program, m_newRuleSlot) && AppProfileFile::save(rules)) {
        saved = true;
        emit rulesSaved();
    }
    rebuild();
    return saved;
}

void AppProfilesDialog::rebuild()
{
    const AppProfileRules rules = AppProfileFile::load();
    {
        const QSignalBlocker blocker(m_switch);
        m_switch->setChecked(rules.switchingWanted());
    }
    m_default->setCurrentIndex(rules.defaultSlot() + 1);

    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QWidget *previous = m_default;
    if (rules.rules().isEmpty()) {
        QLabel *empty = textLabel(QStringLiteral("appNoRules"), m_list);
        empty->setText(tr("No rules yet. ADD a program to give it a profile."));
        m_rows->addWidget(empty, 0, 0, 1, 3);
        empty->show();
    }
    int row = 0;
    for (const AppRule &rule : rules.rules()) {
        QLabel *name = textLabel(QStringLiteral("appRuleProgram"), m_list);
        name->setWordWrap(false);
        name->setText(rule.program);
        QComboBox *slot = slotBox(false);
        slot->setParent(m_list);
        slot->setObjectName(QStringLiteral("appRuleSlot"));
        slot->setCurrentIndex(rule.slot);
        slot->setAccessibleName(tr("Profile for %1").arg(rule.program));
        const QString program = rule.program;
        connect(slot, QOverload<int>::of(&QComboBox::activated), this, [this, program](int index) {
            change([program, index](AppProfileRules &rules) { rules.setRule(program, index); });
        });
        TarnPushButton *remove = plateButton(QStringLiteral("appRuleRemove"), m_list);
        remove->setText(tr("REMOVE"));
        fitButton(remove);
        remove->setAccessibleName(tr("Remove the rule for %1").arg(rule.program));
        connect(remove, &QPushButton::clicked, this, [this, program] {
            change([program](AppProfileRules &rules) { rules.removeRule(program); });
        });
        m_rows->addWidget(name, row, 0);
        m_rows->addWidget(slot, row, 1);
        m_rows->addWidget(remove, row, 2);
        // Rows made while the dialog shows are not shown with it.
        for (QWidget *widget :
             { static_cast<QWidget *>(name), static_cast<QWidget *>(slot), static_cast<QWidget *>(remove) })
            widget->show();
        setTabOrder(previous, slot);
        setTabOrder(slot, remove);
        previous = remove;
        ++row;
    }
    m_rows->setColumnStretch(0, 1);
    m_rows->setRowStretch(row + 1, 1);
    setTabOrder(previous, m_add);
    setTabOrder(m_add, m_close);
}

void AppProfilesDialog::fillAddMenu()
{
    m_addMenu->clear();
    const QStringList programs = m_openPrograms ? m_openPrograms() : QStringList();
    for (const QString &program : programs) {
        QAction *action = m_addMenu->addAction(program);
        connect(action, &QAction::triggered, this, [this, program] { addRule(program); });
    }
    if (!programs.isEmpty())
        m_addMenu->addSeparator();
    QAction *file = m_addMenu->addAction(tr("Choose a program file…"));
    file->setObjectName(QStringLiteral("appChooseFile"));
    connect(file, &QAction::triggered, this, &AppProfilesDialog::chooseProgramFile);
}

void AppProfilesDialog::chooseProgramFile()
{
    const QString path
        = Prompts().openFileName(this, tr("Choose a program"), QStringLiteral("/usr/bin"), QString());
    if (!path.isEmpty() && !addRule(path))
        ShowWarning(tr("Warning"), tr("\"%1\" cannot be given a rule.").arg(QDir::toNativeSeparators(path)),
                    this);
}

void AppProfilesDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
}
