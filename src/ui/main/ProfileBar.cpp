#include "ui/main/ProfileBar.h"

#include "storage/ConfigData.h"
#include "ui/main/ProfileActions.h"
#include "ui/main/ProfileHost.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/TarnProcessDialog.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QLineEdit>
#include <QMenu>

namespace {
constexpr int ControlTop = 5;
constexpr int ControlHeight = 30;
constexpr int LibraryMenuWidth = 152;
// The footer's place in the window, in design units.
const QRect ActionsRect(735, 586, 240, 36);
} // namespace

ProfileBar::ProfileBar(ProfileHost *host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_operations(new ProfileOperations(host, this))
    , m_slotButton(new TarnPushButton(QString(), this))
    , m_slotMenu(new QMenu(this))
    , m_nameLabel(new TarnLabel(QString(), this))
    , m_nameField(new QLineEdit(this))
    , m_libraryButton(new TarnPushButton(QStringLiteral("\u25BE"), this))
    , m_libraryMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("ProfileBar"));
    m_operations->setUploadWaiter([this](TarnProcessThread &thread) {
        TarnProcessDialog dialog(m_host->dialogParent());
        dialog.waitFor(thread);
    });
    connect(m_operations, &ProfileOperations::slotChanged, this, &ProfileBar::refresh);
    connect(m_operations, &ProfileOperations::libraryChanged, this, &ProfileBar::rebuildLibraryMenu);

    m_slotButton->setObjectName(QStringLiteral("slotSelector"));
    m_slotButton->setMenu(m_slotMenu);
    for (int slot = 0; slot < ProfileSlots; ++slot) {
        QAction *action = m_slotMenu->addAction(QString());
        connect(action, &QAction::triggered, this, [this, slot] { selectSlot(slot); });
    }

    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameLabel->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    m_nameLabel->setBuddy(m_nameField);
    QPalette labelColours = m_nameLabel->palette();
    labelColours.setColor(QPalette::WindowText, ThemeColor::softText());
    m_nameLabel->setPalette(labelColours);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    connect(m_nameField, &QLineEdit::returnPressed, this,
            [this] { m_operations->renameProfile(m_nameField->text()); });

    m_libraryButton->setObjectName(QStringLiteral("libraryButton"));
    m_libraryButton->setMenu(m_libraryMenu);
    m_libraryMenu->setObjectName(QStringLiteral("libraryMenu"));
    connect(m_libraryMenu, &QMenu::triggered, this, [this](QAction *action) {
        m_operations->pickLibraryEntry(m_libraryMenu->actions().indexOf(action));
    });

    m_add = addButton("addButton", &ProfileOperations::addProfile);
    m_copy = addButton("copyButton", &ProfileOperations::copyProfile);
    m_delete = addButton("deleteButton", &ProfileOperations::deleteProfile);
    m_reset = addButton("resetButton", &ProfileOperations::resetProfile);
    m_resetAll = addButton("resetAllButton", &ProfileOperations::resetAllProfiles);
    m_import = addButton("importButton", &ProfileOperations::importProfile);
    m_import->setPictures(QStringLiteral("/profile_import-1.png"), QStringLiteral("/profile_import-2.png"),
                          QStringLiteral("/profile_import-3.png"));
    m_export = addButton("exportButton", &ProfileOperations::exportProfile);
    m_export->setPictures(QStringLiteral("/profile_export-1.png"), QStringLiteral("/profile_export-2.png"),
                          QStringLiteral("/profile_export-3.png"));
    // Created here so that Tab reaches it in its place on the bar.
    m_applications = new TarnPushButton(QString(), this);
    m_applications->setObjectName(QStringLiteral("applicationsButton"));
    m_applications->setPictures(QStringLiteral("/profile_apps-1.png"), QStringLiteral("/profile_apps-2.png"),
                                QStringLiteral("/profile_apps-3.png"));
    connect(m_applications, &QPushButton::clicked, this, &ProfileBar::applicationsRequested);
    m_load = addButton("loadButton", &ProfileOperations::loadConfiguration);
    m_save = addButton("saveButton", &ProfileOperations::saveConfiguration);

    if (parent)
        m_actions = new ProfileActions(m_operations, parent);

    retranslate();
    relayout();
    refresh();
    rebuildLibraryMenu();
}

template<typename Operation>
TarnPushButton *ProfileBar::addButton(const char *objectName, Operation operation)
{
    auto *button = new TarnPushButton(QString(), this);
    button->setObjectName(QLatin1String(objectName));
    connect(button, &QPushButton::clicked, m_operations, operation);
    return button;
}

void ProfileBar::styleMenu(QMenu *menu) const
{
    menu->setStyleSheet(QStringLiteral("QMenu { background: rgb(40,40,40); color: white; border: 1px solid "
                                       "rgb(100,100,100); }"
                                       "QMenu::item { padding: %2px %3px; }"
                                       "QMenu::item:selected { background: %1; color: black; }")
                            .arg(AccentColorCss())
                            .arg(Scaled(4))
                            .arg(Scaled(12)));
}

void ProfileBar::refresh()
{
    const int slot = m_operations->currentSlot();
    m_slotButton->setText(tr("Profile") + QStringLiteral(" %1").arg(slot + 1));
    m_slotButton->setAccessibleName(m_slotButton->text());
    const QList<QAction *> entries = m_slotMenu->actions();
    for (int k = 0; k < entries.size(); ++k) {
        entries.at(k)->setCheckable(true);
        entries.at(k)->setChecked(k == slot);
    }
    m_nameField->setText(m_operations->currentName());
}

void ProfileBar::rebuildLibraryMenu()
{
    m_libraryMenu->clear();
    for (const QString &name : m_host->libraryList())
        m_libraryMenu->addAction(name);
    m_libraryMenu->setFixedWidth(Scaled(LibraryMenuWidth));
}

void ProfileBar::selectSlot(int slot)
{
    m_operations->selectSlot(slot);
}

void ProfileBar::setControlsEnabled(bool enabled)
{
    setEnabled(enabled);
    if (m_actions)
        m_actions->setEnabled(enabled);
}

void ProfileBar::relayout()
{
    // The top row of the content panel.
    PlaceWidget(this, 24, 80, 951, 40);
    PlaceWidget(m_slotButton, 0, ControlTop, 104, ControlHeight);
    PlaceWidget(m_nameLabel, 110, ControlTop, 46, ControlHeight);
    PlaceWidget(m_nameField, 160, ControlTop, 130, ControlHeight);
    PlaceWidget(m_libraryButton, 290, ControlTop, 26, ControlHeight);
    PlaceWidget(m_add, 327, ControlTop, 56, ControlHeight);
    PlaceWidget(m_copy, 389, ControlTop, 60, ControlHeight);
    PlaceWidget(m_delete, 455, ControlTop, 70, ControlHeight);
    PlaceWidget(m_reset, 531, ControlTop, 64, ControlHeight);
    PlaceWidget(m_resetAll, 601, ControlTop, 84, ControlHeight);
    PlaceWidget(m_import, 695, ControlTop, 34, ControlHeight);
    PlaceWidget(m_export, 735, ControlTop, 34, ControlHeight);
    PlaceWidget(m_applications, 775, ControlTop, 34, ControlHeight);
    PlaceWidget(m_load, 819, ControlTop, 66, ControlHeight);
    PlaceWidget(m_save, 891, ControlTop, 60, ControlHeight);

    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(13)));
    m_nameLabel->setFont(font);
    m_nameField->setFont(font);
    m_nameField->setStyleSheet(
        QStringLiteral("QLineEdit { background: rgb(40,40,40); color: white; border: 1px "
                       "solid rgb(100,100,100); border-radius: 3px; padding: 0 %1px; }"
                       "QLineEdit:focus { border: 1px solid %2; }")
            .arg(Scaled(6))
            .arg(AccentColorCss()));
    for (QMenu *menu : { m_slotMenu, m_libraryMenu }) {
        styleMenu(menu);
        menu->setFont(font);
    }
    m_libraryMenu->setFixedWidth(Scaled(LibraryMenuWidth));
    if (m_actions) {
        PlaceWidget(m_actions, ActionsRect.x(), ActionsRect.y(), ActionsRect.width(), ActionsRect.height());
        m_actions->relayout();
    }
}

void ProfileBar::retranslate()
{
    for (int slot = 0; slot < m_slotMenu->actions().size(); ++slot)
        m_slotMenu->actions().at(slot)->setText(tr("Profile") + QStringLiteral(" %1").arg(slot + 1));
    m_nameLabel->setText(tr("NAME"));
    m_nameField->setPlaceholderText(tr("Press Enter To Apply"));
    m_nameField->setAccessibleName(tr("NAME"));
    m_libraryButton->setToolTip(tr("Stored profiles"));
    m_libraryButton->setAccessibleName(tr("Stored profiles"));
    m_add->setText(tr("ADD"));
    m_copy->setText(tr("COPY"));
    m_delete->setText(tr("DELETE"));
    m_reset->setText(tr("RESET"));
    m_resetAll->setText(tr("Reset All"));
    m_export->setToolTip(tr("Save Profile File"));
    m_export->setAccessibleName(tr("Save Profile File"));
    m_import->setToolTip(tr("Load Profile File"));
    m_import->setAccessibleName(tr("Load Profile File"));
    m_load->setText(tr("LOAD1"));
    m_save->setText(tr("SAVE"));
    m_applications->setToolTip(tr("APPLICATIONS"));
    m_applications->setAccessibleName(tr("APPLICATIONS"));
    for (TarnPushButton *button : { m_add, m_copy, m_delete, m_reset, m_resetAll, m_load, m_save })
        button->setAccessibleName(button->text());
    if (m_actions)
        m_actions->retranslate();
    refresh();
}
