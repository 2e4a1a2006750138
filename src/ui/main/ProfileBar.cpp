#include "ui/main/ProfileBar.h"

#include "storage/ConfigData.h"
#include "ui/main/ProfileActions.h"
#include "ui/main/ProfileHost.h"
#include "ui/main/ProfileOperations.h"
#include "ui/main/TarnProcessDialog.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
constexpr int ControlTop = 5;
constexpr int ControlHeight = 30;
// The narrowest the drop-down gets; a longer name widens it.
constexpr int LibraryMenuWidth = 152;
constexpr int NameFieldMinimumWidth = 80;
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
    connect(m_nameField, &QLineEdit::textChanged, this, &ProfileBar::showLongNameInToolTip);
    connect(m_nameField, &QLineEdit::returnPressed, this,
            [this] { m_operations->renameProfile(m_nameField->text()); });

    m_libraryButton->setObjectName(QStringLiteral("libraryButton"));
    m_libraryButton->setMenu(m_libraryMenu);
    m_libraryMenu->setObjectName(QStringLiteral("libraryMenu"));
    m_libraryMenu->setToolTipsVisible(true);
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
    // A name longer than the field shows from its start.
    m_nameField->setCursorPosition(0);
    showLongNameInToolTip();
}

void ProfileBar::showLongNameInToolTip()
{
    // The field scrolls a name longer than itself, and Qt shortens a hint that does not fit: the
    // tooltip then shows what the field cannot.
    QStyleOptionFrame frame;
    frame.initFrom(m_nameField);
    frame.lineWidth = m_nameField->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, m_nameField);
    const int room
        = m_nameField->style()->subElementRect(QStyle::SE_LineEditContents, &frame, m_nameField).width();
    const QString shown
        = m_nameField->text().isEmpty() ? m_nameField->placeholderText() : m_nameField->text();
    m_nameField->setToolTip(m_nameField->fontMetrics().horizontalAdvance(shown) > room ? shown : QString());
}

void ProfileBar::rebuildLibraryMenu()
{
    m_libraryMenu->clear();
    // Names show whole: the menu grows to the longest. Only a name wider than the screen is shortened
    // in the middle, its whole text then in the tooltip.
    const QScreen *screen = this->screen();
    const int widest = (screen ? screen->availableGeometry().width() : Scaled(999)) - Scaled(4 * 12);
    const QFontMetrics metrics(m_libraryMenu->font());
    for (const QString &name : m_host->libraryList()) {
        QAction *action = m_libraryMenu->addAction(metrics.elidedText(name, Qt::ElideMiddle, widest));
        action->setData(name);
        if (action->text() != name)
            action->setToolTip(name);
    }
    m_libraryMenu->setMinimumWidth(Scaled(LibraryMenuWidth));
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
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(13)));
    m_nameLabel->setFont(font);
    m_nameField->setFont(font);
    placeRow();

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
    rebuildLibraryMenu();
    if (m_actions) {
        PlaceWidget(m_actions, ActionsRect.x(), ActionsRect.y(), ActionsRect.width(), ActionsRect.height());
        m_actions->relayout();
    }
}

void ProfileBar::placeRow()
{
    struct Control
    {
        QWidget *widget;
        int x;
        int width;
    };
    // Design places, left to right.
    const Control row[]
        = { { m_slotButton, 0, 104 },     { m_nameLabel, 110, 46 }, { m_nameField, 160, 130 },
            { m_libraryButton, 290, 26 }, { m_add, 327, 56 },       { m_copy, 389, 60 },
            { m_delete, 455, 70 },        { m_reset, 531, 64 },     { m_resetAll, 601, 84 },
            { m_import, 695, 34 },        { m_export, 735, 34 },    { m_applications, 775, 34 },
            { m_load, 819, 66 },          { m_save, 891, 60 } };
    // A control whose text needs more than its design width grows, and pushes the ones after it right;
    // the name field (which scrolls its text) gives back what the row then lacks, down to its minimum.
    QVector<int> widths;
    int grown = 0;
    int nameField = -1;
    for (const Control &control : row) {
        int width = Scaled(control.width);
        if (auto *button = qobject_cast<TarnPushButton *>(control.widget))
            width = button->widthForText(control.width);
        else if (auto *label = qobject_cast<QLabel *>(control.widget))
            width = qMax(width, label->fontMetrics().horizontalAdvance(label->text()) + Scaled(2));
        if (control.widget == m_nameField)
            nameField = widths.size();
        grown += width - Scaled(control.width);
        widths << width;
    }
    const int overflow
        = grown - (Scaled(951) - Scaled(row[std::size(row) - 1].x + row[std::size(row) - 1].width));
    if (overflow > 0)
        widths[nameField] = qMax(Scaled(NameFieldMinimumWidth), widths[nameField] - overflow);

    int shift = 0;
    for (int i = 0; i < int(std::size(row)); ++i) {
        row[i].widget->setGeometry(Scaled(row[i].x) + shift, Scaled(ControlTop), widths[i],
                                   Scaled(ControlHeight));
        shift += widths[i] - Scaled(row[i].width);
    }
    showLongNameInToolTip();
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
    placeRow();
    refresh();
}
