#include "ui/buttons/TarnBtnWindow.h"

#include "core/settings/ButtonAssignment.h"
#include "platform/LogCategories.h"
#include "storage/ConfigData.h"
#include "storage/MacroList.h"
#include "storage/ProductDefinition.h"
#include "ui/buttons/AssignmentDialogs.h"
#include "ui/buttons/ButtonMenus.h"
#include "ui/buttons/FrontButtonLayout.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QLabel>
#include <QMenu>
#include <QScrollArea>

namespace {
constexpr int GroupSize[3] = { 20, 0, 2 };
constexpr int RecordBase[3] = { 0, 20, 40 };
constexpr int PageHeight = 430;
} // namespace

TarnBtnWindow::TarnBtnWindow(QWidget *parent)
    : ConfigPage(parent)
    , m_menus(new ButtonMenus(this))
{
    setObjectName(QStringLiteral("TarnBtnWindow"));
    setStyleSheet(QStringLiteral("background:transparent;"));
    // A scroll area around the page only scrolls; the buttons inside take the focus.
    if (auto *area = qobject_cast<QScrollArea *>(parent))
        area->setFocusPolicy(Qt::NoFocus);
    connect(m_menus, &ButtonMenus::picked, this, &TarnBtnWindow::assignFunction);
    connect(m_menus->functionMenu(), &QMenu::aboutToHide, this, [this] {
        if (TarnPushButton *selected = button(m_group, m_index))
            emit SelBtnControl(selected, false);
    });
    for (int group = 0; group < 3; ++group) {
        for (int i = 0; i < GroupSize[group]; ++i) {
            QLabel *number = nullptr;
            TarnPushButton *b = createButton(number);
            b->setMenu(group == WheelGroup ? m_menus->wheelMenu() : m_menus->functionMenu());
            m_buttons[group] << b;
            m_numbers[group] << number;
        }
    }
    relayout();
    setSelection(FrontGroup, 0);
    retranslate();
}

TarnPushButton *TarnBtnWindow::createButton(QLabel *&number)
{
    auto *b = new TarnPushButton(QString(), this);
    b->setDesignFontSize(13);
    connect(b, &TarnPushButton::OverSignal, this, &TarnBtnWindow::slotMouseOver);
    connect(b, &TarnPushButton::EnterSignal, this, &TarnBtnWindow::slotMouseEnter);
    number = new QLabel(this);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setStyleSheet(QStringLiteral("background: transparent; color: rgb(225,225,225);"));
    return b;
}

void TarnBtnWindow::refreshFrom(ConfigData &config, int slot)
{
    m_config = &config;
    m_slot = qBound(0, slot, ProfileSlots - 1);
    setProfile(&config.profiles[m_slot]);
}

void TarnBtnWindow::collectInto(ConfigData &config, int slot) const
{
    if (!m_profile || slot < 0 || slot >= ProfileSlots || &config.profiles[slot] == m_profile)
        return;
    std::copy(std::begin(m_profile->buttons), std::end(m_profile->buttons), config.profiles[slot].buttons);
}

void TarnBtnWindow::setProfile(ProfileData *profile)
{
    m_profile = profile;
    refreshLabels();
}

void TarnBtnWindow::relayout()
{
    const double scale = UiScale();
    QFont numberFont = CurrentLanguageFont();
    numberFont.setPixelSize(qMax(1, Scaled(13)));

    qint8 matrix[ButtonMatrixSize];
    std::fill(std::begin(matrix), std::end(matrix), qint8(-1));
    const int count = qMax(0, LoadButtonMatrix2(matrix));
    QVector<int> shown(GroupSize[FrontGroup], -1);
    for (int i = 0; i < qMin(count, ButtonMatrixSize); ++i)
        shown[i] = matrix[i];
    const QVector<FrontButtonPlace> places = FrontButtonLayout(shown, scale, Scaled(PageHeight));
    m_frontNumbers.clear();
    int lowest = 0;
    for (int i = 0; i < GroupSize[FrontGroup]; ++i) {
        m_buttons[FrontGroup][i]->setGeometry(places[i].geometry);
        m_buttons[FrontGroup][i]->setProperty("index", places[i].number);
        m_frontNumbers << places[i].number;
        const QRect g = places[i].geometry;
        m_numbers[FrontGroup][i]->setGeometry(g.isEmpty() ? QRect()
                                                          : QRect(Scaled(16), g.y(), Scaled(34), g.height()));
        m_numbers[FrontGroup][i]->setText(places[i].number ? QString::number(places[i].number) : QString());
        lowest = qMax(lowest, g.bottom());
    }
    // The wheel beside the front buttons.
    for (int i = 0; i < GroupSize[WheelGroup]; ++i) {
        PlaceWidget(m_buttons[WheelGroup][i], 310, 150 + 80 * i, 200, 30);
        PlaceWidget(m_numbers[WheelGroup][i], 310, 124 + 80 * i, 200, 24);
        m_numbers[WheelGroup][i]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        m_buttons[WheelGroup][i]->setProperty("index", 253 + i);
    }
    for (const QVector<QLabel *> &numbers : m_numbers) {
        for (QLabel *number : numbers)
            number->setFont(numberFont);
    }
    setMinimumSize(Scaled(535), qMax(Scaled(PageHeight), lowest + 1));
    updateVisibility();
    m_menus->restyle();
}

void TarnBtnWindow::retranslate()
{
    m_menus->rebuild(DisableMacro() == 0, LedDisable() == 0);
    m_numbers[WheelGroup][0]->setText(tr("WHEEL UP"));
    m_numbers[WheelGroup][1]->setText(tr("WHEEL DOWN"));
    refreshLabels();
}

void TarnBtnWindow::refreshLabels()
{
    for (int group = 0; group < 3; ++group) {
        for (int i = 0; i < GroupSize[group]; ++i) {
            TarnPushButton *b = m_buttons[group][i];
            const QString label
                = m_profile ? ButtonLabel(m_profile->buttons[RecordBase[group] + i], group) : QString();
            b->setText(label);
            const QString name = group == WheelGroup ? m_numbers[group][i]->text()
                                                     : tr("Button %1").arg(b->property("index").toInt());
            b->setAccessibleName(label.isEmpty() ? name : tr("%1: %2").arg(name, label));
        }
    }
}

TarnPushButton *TarnBtnWindow::button(int group, int index) const
{
    if (group < 0 || group > 2 || index < 0 || index >= GroupSize[group])
        return nullptr;
    return m_buttons[group][index];
}

void TarnBtnWindow::selectButton(int index, int group)
{
    setSelection(group == NoSelection ? m_group : group, index);
    refreshLabels();
}

void TarnBtnWindow::setSelection(int group, int index)
{
    const bool valid = button(group, index) != nullptr;
    const quint8 newGroup = valid ? quint8(group) : quint8(NoSelection);
    const quint8 newIndex = valid ? quint8(index) : quint8(NoSelection);
    if (newGroup == m_group && newIndex == m_index)
        return;
    if (TarnPushButton *old = button(m_group, m_index))
        old->setHighlighted(false);
    m_group = newGroup;
    m_index = newIndex;
    if (TarnPushButton *selected = button(m_group, m_index))
        selected->setHighlighted(true);
    emit SelBtnChanged(m_index, m_group);
}

void TarnBtnWindow::updateVisibility()
{
    // The front buttons the product has, and the wheel.
    for (int i = 0; i < GroupSize[FrontGroup]; ++i) {
        m_buttons[FrontGroup][i]->setVisible(m_frontNumbers.value(i) > 0);
        m_numbers[FrontGroup][i]->setVisible(m_frontNumbers.value(i) > 0);
    }
}

void TarnBtnWindow::locate(TarnPushButton *target, int &group, int &index) const
{
    for (group = 0; group < 3; ++group) {
        index = m_buttons[group].indexOf(target);
        if (index >= 0)
            return;
    }
    group = index = -1;
}

void TarnBtnWindow::OnMouseEnterSlot(QWidget *widget)
{
    const int index = m_buttons[FrontGroup].indexOf(static_cast<TarnPushButton *>(widget));
    if (index < 0)
        return;
    setSelection(FrontGroup, index);
    qCDebug(lcUi, "OnMouseEnterSlot %d", index);
}

void TarnBtnWindow::slotMouseOver(TarnPushButton *target, bool over)
{
    int group = 0, index = 0;
    locate(target, group, index);
    if (group >= 0)
        emit SelBtnControl(target, over);
}

void TarnBtnWindow::slotMouseEnter(TarnPushButton *target)
{
    int group = 0, index = 0;
    locate(target, group, index);
    if (group >= 0)
        setSelection(group, index);
}

void TarnBtnWindow::assignFunction(int fun)
{
    TarnPushButton *selected = button(m_group, m_index);
    const CatalogueEntry *entry = CatalogueEntryOf(fun);
    if (!selected || !m_profile || !entry)
        return;
    const int record = RecordBase[m_group] + m_index;
    ButtonInfo &info = m_profile->buttons[record];
    emit SelBtnControl(selected, true);
    switch (CheckPick(*m_profile, record, fun, MacroCount())) {
    case PickCheck::LastLeftClick:
        emit PopOneClickBox();
        return;
    case PickCheck::GunFileOnLeftButton:
        ShowWarning(tr("Warning"), tr("Left Button Can not be Gun Function."), this);
        break;
    case PickCheck::NoMacros:
        emit GotoMacroTab(3);
        break;
    case PickCheck::Allowed:
        selected->setText(CatalogueText(*entry));
        AskAndStore(this, *entry, info);
        break;
    }
    // A cancelled dialog leaves the record as it was; the label follows the record either way.
    refreshLabels();
    emit SelBtnControl(selected, false);
    setSelection(NoSelection, NoSelection);
}
