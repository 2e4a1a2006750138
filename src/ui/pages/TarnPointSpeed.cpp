#include "ui/pages/TarnPointSpeed.h"

#include "core/settings/SettingRanges.h"
#include "platform/DesktopMouseSettings.h"
#include "platform/LogCategories.h"
#include "platform/PointerSpeed.h"
#include "storage/ConfigData.h"
#include "storage/ProductDefinition.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/TarnReportRate.h"
#include "ui/widgets/TarnPushButton.h"
#include "ui/widgets/TarnSpinBox.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/UserPrompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {

QLabel *createLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TarnPointSpeed::TarnPointSpeed(QWidget *parent)
    : ConfigPage(parent)
    , m_keyTitle(createLabel(this))
    , m_keySlider(new QSlider(Qt::Horizontal, this))
    , m_keyValue(createLabel(this))
    , m_scrollTitle(createLabel(this))
    , m_scrollBox(new TarnSpinBox(this))
    , m_syncBox(new QCheckBox(this))
    , m_liftTitle(createLabel(this))
    , m_liftGroup(new QButtonGroup(this))
    , m_liftBoxes { new QCheckBox(this), new QCheckBox(this) }
    , m_angleBox(new QCheckBox(this))
    , m_jitterBox(new QCheckBox(this))
    , m_wakeBox(new QCheckBox(this))
    , m_modeTitle(createLabel(this))
    , m_modeGroup(new QButtonGroup(this))
    , m_modeBoxes { new QCheckBox(this), new QCheckBox(this), new QCheckBox(this) }
    , m_settingsButton(new TarnPushButton(QString(), this))
    , m_speedNotice(createLabel(this))
{
    setObjectName(QStringLiteral("TarnPointSpeed"));
    m_keySlider->setRange(KeyResponseMin, KeyResponseMax);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(1);
    m_keySlider->setFocusPolicy(Qt::StrongFocus);
    m_scrollBox->setRange(ScrollSpeedMin, ScrollSpeedMax);
    m_scrollTitle->setBuddy(m_scrollBox);
    m_keyTitle->setBuddy(m_keySlider);
    // Exclusive groups keep one choice checked: clicking the checked box leaves it checked.
    for (int i = 0; i < 2; ++i)
        m_liftGroup->addButton(m_liftBoxes[i], i);
    for (int i = 0; i < 3; ++i)
        m_modeGroup->addButton(m_modeBoxes[i], i);

    connect(m_keySlider, &QSlider::valueChanged, this, [this](int value) {
        qCDebug(lcUi, "slider_clicked 1 = %d", value);
        m_values.debounce = quint8(value);
        m_keyValue->setNum(value);
    });
    connect(m_scrollBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &TarnPointSpeed::sValueChangedSlot);
    for (QCheckBox *box : findChildren<QCheckBox *>())
        connect(box, &QCheckBox::clicked, this, &TarnPointSpeed::checkbtn_clicked);
    connect(m_liftGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_values.lift = quint8(id + 1);
        m_liftChosenHere = true;
        emit liftChosen(m_values.lift);
    });
    connect(m_settingsButton, &QPushButton::clicked, this, &TarnPointSpeed::btn_clicked);
    m_speedNotice->setObjectName(QStringLiteral("pointerSpeedNotice"));
    m_speedNotice->setWordWrap(true);
    m_speedNotice->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    showValues();
    retranslate();
}

void TarnPointSpeed::refreshFrom(ConfigData &config, int slot)
{
    m_profile = &config.profiles[qBound(0, slot, ProfileSlots - 1)];
    m_values.sync = config.Sync;
    m_values.lift = config.LiftHigh;
    m_values.angle = config.AngleValue;
    m_values.jitter = config.Jitter;
    m_values.debounce = config.Debounce;
    m_values.wake = config.Wake;
    m_values.sensorMode = config.SensorMode;
    m_liftChosenHere = false;
    showValues();
    relayout();
}

void TarnPointSpeed::showValues()
{
    {
        const QSignalBlocker sliderBlocker(m_keySlider);
        m_keySlider->setValue(m_values.debounce);
        const QSignalBlocker boxBlocker(m_scrollBox);
        m_scrollBox->setValue(m_profile ? m_profile->scrollspeed : 1);
    }
    m_keyValue->setNum(m_keySlider->value());
    m_liftBoxes[m_values.lift == 1 ? 0 : 1]->setChecked(true);
    m_angleBox->setChecked(m_values.angle == 0);
    m_jitterBox->setChecked(m_values.jitter == 0);
    m_wakeBox->setChecked(m_values.wake == 0);
    m_syncBox->setChecked(m_values.sync == 1);
    // A mode outside the three leaves every box unchecked until the user picks one.
    m_modeGroup->setExclusive(false);
    for (int i = 0; i < 3; ++i)
        m_modeBoxes[i]->setChecked(m_values.sensorMode == i);
    m_modeGroup->setExclusive(true);
}

void TarnPointSpeed::collectInto(ConfigData &config, int slot) const
{
    if (slot < 0 || slot >= ProfileSlots)
        return;
    if (m_profile) {
        config.profiles[slot].mousespeed = m_profile->mousespeed;
        config.profiles[slot].scrollspeed = m_profile->scrollspeed;
    }
    config.Sync = m_values.sync;
    // The polling-rate page stores its lift-off choice at once; a stale copy must not undo it.
    if (m_liftChosenHere)
        config.LiftHigh = m_values.lift;
    config.AngleValue = m_values.angle;
    config.Jitter = m_values.jitter;
    config.Debounce = m_values.debounce;
    config.Wake = m_values.wake;
    config.SensorMode = m_values.sensorMode;
}

void TarnPointSpeed::setLift(quint8 lift)
{
    m_values.lift = lift;
    m_liftChosenHere = false;
    m_liftBoxes[lift == 1 ? 0 : 1]->setChecked(true);
}

void TarnPointSpeed::pairLiftWith(TarnReportRate *rate)
{
    connect(rate, &TarnReportRate::RefreshLift, this, &TarnPointSpeed::setLift);
    connect(this, &TarnPointSpeed::liftChosen, rate, &TarnReportRate::setLift);
}

void TarnPointSpeed::sValueChangedSlot(int value)
{
    qCDebug(lcUi, "slider_clicked 1 = %d", value);
    if (m_profile)
        m_profile->scrollspeed = quint8(value);
}

void TarnPointSpeed::checkbtn_clicked()
{
    m_values.sync = m_syncBox->isChecked() ? 1 : 0;
    m_values.lift = m_liftBoxes[0]->isChecked() ? 1 : 2;
    // These three switch a filter on when checked, which the mouse stores as 0.
    m_values.angle = m_angleBox->isChecked() ? 0 : 1;
    m_values.jitter = m_jitterBox->isChecked() ? 0 : 1;
    m_values.wake = m_wakeBox->isChecked() ? 0 : 1;
    if (m_modeGroup->checkedId() >= 0)
        m_values.sensorMode = quint8(m_modeGroup->checkedId());
}

void TarnPointSpeed::btn_clicked()
{
    if (!StartMouseSettings())
        ShowWarning(tr("Warning"), tr("No mouse settings program of the desktop was found."), this);
}

void TarnPointSpeed::relayout()
{
    const int syncMode = SyncMode();
    m_syncBox->setVisible(syncMode == 1);
    m_angleBox->setVisible(syncMode != 0);
    m_jitterBox->setVisible(syncMode != 0);

    PlaceWidget(m_keyTitle, 20, 14, 200, 18);
    PlaceWidget(m_keySlider, 20, 35, 170, 25);
    PlaceWidget(m_keyValue, 198, 38, 40, 18);
    PlaceWidget(m_scrollTitle, 20, 74, 125, 22);
    PlaceWidget(m_scrollBox, 150, 72, 70, 26);
    PlaceWidget(m_liftTitle, 20, 112, 200, 18);
    PlaceWidget(m_liftBoxes[0], 20, 133, 90, 22);
    PlaceWidget(m_liftBoxes[1], 115, 133, 90, 22);
    PlaceWidget(m_modeTitle, 20, 170, 200, 18);
    for (int i = 0; i < 3; ++i)
        PlaceWidget(m_modeBoxes[i], 20, 191 + 25 * i, 200, 22);
    // The right column closes up over the switches the product does not offer.
    int row = 0;
    for (QCheckBox *box : { m_syncBox, m_angleBox, m_jitterBox, m_wakeBox }) {
        if (box->isVisibleTo(this))
            PlaceWidget(box, 250, 14 + 28 * row++, 210, 22);
    }
    PlaceWidget(m_settingsButton, 250, 226, 160, 32);
    // Slots still keep a pointer speed there; the desktop's own settings are one click away.
    PlaceWidget(m_speedNotice, 250, 150, 210, 70);
    m_speedNotice->setVisible(!SystemMouseSpeedSettable() || SystemMouseSpeedOnlyWhileRunning());
    m_speedNotice->setFont(PageFont(12));
    SetTextColor(m_speedNotice, ThemeColor::text());

    for (QLabel *label : { m_keyTitle, m_scrollTitle, m_liftTitle, m_modeTitle }) {
        label->setFont(PageFont(13));
        SetTextColor(label, ThemeColor::text());
    }
    m_keyValue->setFont(PageFont(13));
    SetTextColor(m_keyValue, AccentColor());
    StyleSlider(m_keySlider);
    for (QCheckBox *box : findChildren<QCheckBox *>())
        StyleCheckBox(box);
    StyleField(m_scrollBox);
}

void TarnPointSpeed::retranslate()
{
    m_keyTitle->setText(tr("Key Response"));
    m_keySlider->setAccessibleName(tr("Key Response"));
    m_scrollTitle->setText(tr("Scroll Speed"));
    m_scrollBox->setAccessibleName(tr("Scroll Speed"));
    m_syncBox->setText(tr("Enable sync"));
    m_liftTitle->setText(tr("Lift Distance"));
    m_liftBoxes[0]->setText(tr("1mm"));
    m_liftBoxes[1]->setText(tr("2mm"));
    m_angleBox->setText(tr("Angle Snapping"));
    m_jitterBox->setText(tr("Jitter"));
    m_wakeBox->setText(tr("Motion Wake"));
    m_modeTitle->setText(tr("Sensor Mode"));
    m_modeBoxes[0]->setText(tr("Eco"));
    m_modeBoxes[1]->setText(tr("Standard"));
    m_modeBoxes[2]->setText(tr("Competitive"));
    m_settingsButton->setText(tr("Mouse Setting"));
    m_settingsButton->setAccessibleName(tr("Mouse Setting"));
    m_speedNotice->setText(
        SystemMouseSpeedOnlyWhileRunning()
            ? tr("The pointer speed applies while mousecfg runs: the desktop's own settings are left as they are.")
            : tr("This desktop's pointer speed cannot be set from here: use the desktop's own mouse settings."));
    relayout();
}
