#include "ui/pages/TarnColorWindow.h"

#include "core/settings/SettingRanges.h"
#include "platform/LogCategories.h"
#include "storage/ConfigData.h"
#include "storage/ProductDefinition.h"
#include "storage/UploadSlots.h"
#include "ui/pages/ColorChooser.h"
#include "ui/pages/DefaultColorArea.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/TarnMenuButton.h"
#include "ui/widgets/Theme.h"

#include <QAction>
#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>

namespace {

QSlider *createSlider(QWidget *parent, int minimum, int maximum)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::StrongFocus);
    return slider;
}

QLabel *createLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setQuietly(QSlider *slider, int value)
{
    const QSignalBlocker blocker(slider);
    slider->setValue(value);
}

} // namespace

TarnColorWindow::TarnColorWindow(QWidget *parent)
    : ConfigPage(parent)
    , m_effectTitle(createLabel(this))
    , m_effectButton(new TarnMenuButton(this))
    , m_menu(new QMenu(this))
    , m_brightTitle(createLabel(this))
    , m_brightSlider(createSlider(this, LightingBrightnessMin, LightingBrightnessMax))
    , m_brightValue(createLabel(this))
    , m_speedTitle(createLabel(this))
    , m_speedSlider(createSlider(this, LightingSpeedMin, LightingSpeedMax))
    , m_speedValue(createLabel(this))
    , m_colorTitle(createLabel(this))
    , m_swatch(new DefaultColorArea(Qt::white, this))
    , m_sleepTitle(createLabel(this))
    , m_sleepSlider(createSlider(this, 1, 9))
    , m_sleepValue(createLabel(this))
    , m_moveOffBox(new QCheckBox(this))
{
    setObjectName(QStringLiteral("TarnColorWindow"));
    int sleepMin = 1, sleepMax = 9;
    SleepRange(sleepMin, sleepMax);
    m_sleepSlider->setRange(sleepMin, sleepMax);
    m_effectButton->setMenu(m_menu);
    for (int i = 0; i < LightingEffectCount; ++i) {
        m_actions[i] = new QAction(this);
        connect(m_actions[i], &QAction::triggered, this, [this, i] { chooseEffect(i); });
    }
    connect(m_brightSlider, &QSlider::valueChanged, this, [this](int value) {
        m_brightValue->setNum(value);
        m_editor.setBrightness(value);
    });
    connect(m_speedSlider, &QSlider::valueChanged, this, [this](int value) {
        m_speedValue->setNum(value);
        m_editor.setSpeed(value);
    });
    connect(m_sleepSlider, &QSlider::valueChanged, this, [this](int value) {
        showSleepValue(value);
        m_editor.setSleepTime(value);
    });
    for (QSlider *slider : { m_brightSlider, m_speedSlider, m_sleepSlider })
        connect(slider, &QSlider::sliderReleased, this, &TarnColorWindow::slotSliderMouseChange);
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &TarnColorWindow::color_clicked);
    connect(m_moveOffBox, &QCheckBox::clicked, this, &TarnColorWindow::checkbtn_clicked);

    rebuildMenu();
    showEffect(0);
    retranslate();
}

void TarnColorWindow::refreshFrom(ConfigData &config, int slot)
{
    m_editor.attach(config, LightingSlotIndex(slot, ProductName()));
    showEffect(m_editor.effect());
    showEffectValues();
    setQuietly(m_sleepSlider, m_editor.sleepTime());
    showSleepValue(m_sleepSlider->value());
    m_moveOffBox->setChecked(m_editor.moveOff() == 0);
    rebuildMenu();
    retranslate();
}

void TarnColorWindow::setModeReport(quint8 mode)
{
    if (mode >= LightingEffectCount)
        return;
    showEffect(mode);
    m_editor.chooseEffect(mode);
    showEffectValues();
}

void TarnColorWindow::chooseEffect(int effect)
{
    showEffect(effect);
    m_editor.chooseEffect(effect);
    showEffectValues();
    const QColor colour = m_editor.colour();
    qCDebug(lcUi, "EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", m_editor.lightingSlot(), effect,
            colour.red(), colour.green(), colour.blue());
}

void TarnColorWindow::showEffect(int effect)
{
    m_shownEffect = effect;
    const LightingControls controls = LightingControlsOf(effect);
    for (QWidget *w : std::initializer_list<QWidget *> { m_brightTitle, m_brightSlider, m_brightValue })
        w->setVisible(controls.brightness);
    for (QWidget *w : std::initializer_list<QWidget *> { m_speedTitle, m_speedSlider, m_speedValue })
        w->setVisible(controls.speed);
    m_colorTitle->setVisible(controls.colour);
    m_swatch->setVisible(controls.colour);
    m_effectButton->setText(tr(LightingEffectName(effect)));
    m_effectButton->setAccessibleName(tr("EFFECT") + QStringLiteral(": ") + m_effectButton->text());
    relayout();
}

void TarnColorWindow::showEffectValues()
{
    setQuietly(m_brightSlider, m_editor.brightness());
    setQuietly(m_speedSlider, m_editor.speed());
    m_brightValue->setNum(m_brightSlider->value());
    m_speedValue->setNum(m_speedSlider->value());
    m_swatch->setColor(m_editor.colour());
}

void TarnColorWindow::showSleepValue(int minutes)
{
    m_sleepValue->setText(QString::number(minutes) + tr(" MINUTE"));
}

void TarnColorWindow::rebuildMenu()
{
    m_menu->clear();
    for (int effect : LightingMenuOrder())
        m_menu->addAction(m_actions[effect]);
}

void TarnColorWindow::relayout()
{
    const LightingControls controls = LightingControlsOf(m_shownEffect);
    const int speedRow = controls.speedInFirstRow ? 78 : 137;
    PlaceWidget(m_effectTitle, 30, 20, 201, 18);
    PlaceWidget(m_effectButton, 30, 40, 228, 30);
    PlaceWidget(m_brightTitle, 30, 78, 201, 18);
    PlaceWidget(m_brightSlider, 30, 97, 228, 25);
    PlaceWidget(m_brightValue, 268, 100, 40, 18);
    PlaceWidget(m_speedTitle, 30, speedRow, 201, 18);
    PlaceWidget(m_speedSlider, 30, speedRow + 19, 228, 25);
    PlaceWidget(m_speedValue, 268, speedRow + 22, 40, 18);
    PlaceWidget(m_colorTitle, 30, 196, 201, 18);
    PlaceWidget(m_swatch, 30, 216, 60, 26);
    PlaceWidget(m_sleepTitle, 30, 262, 201, 18);
    PlaceWidget(m_sleepSlider, 30, 281, 228, 25);
    PlaceWidget(m_sleepValue, 268, 284, 120, 18);
    PlaceWidget(m_moveOffBox, 30, 318, 300, 22);

    const bool sleep = ShowSleep() != 0;
    for (QWidget *w : std::initializer_list<QWidget *> { m_sleepTitle, m_sleepSlider, m_sleepValue })
        w->setVisible(sleep);
    for (QLabel *label : { m_effectTitle, m_brightTitle, m_speedTitle, m_colorTitle, m_sleepTitle }) {
        label->setFont(PageFont(13));
        SetTextColor(label, ThemeColor::text());
    }
    for (QLabel *label : { m_brightValue, m_speedValue, m_sleepValue }) {
        label->setFont(PageFont(13));
        SetTextColor(label, AccentColor());
    }
    for (QSlider *slider : { m_brightSlider, m_speedSlider, m_sleepSlider })
        StyleSlider(slider);
    StyleCheckBox(m_moveOffBox);
    StyleMenu(m_menu);
}

void TarnColorWindow::retranslate()
{
    m_effectTitle->setText(tr("EFFECT"));
    m_brightTitle->setText(tr("BRIGHTNESS"));
    m_speedTitle->setText(tr("SPEED"));
    m_colorTitle->setText(tr("COLOR"));
    m_sleepTitle->setText(tr("SLEEP TIME"));
    m_moveOffBox->setText(tr("MOVE TO LIGHT OFF"));
    m_brightSlider->setAccessibleName(tr("BRIGHTNESS"));
    m_speedSlider->setAccessibleName(tr("SPEED"));
    m_sleepSlider->setAccessibleName(tr("SLEEP TIME"));
    m_swatch->setAccessibleName(tr("COLOR"));
    for (int i = 0; i < LightingEffectCount; ++i)
        m_actions[i]->setText(tr(LightingEffectName(i)));
    showSleepValue(m_sleepSlider->value());
    showEffect(m_shownEffect);
}

void TarnColorWindow::slotSliderMouseChange() { }

void TarnColorWindow::slotSendLedState(QColor color)
{
    m_editor.setColour(color);
    m_swatch->setColor(color);
    qCDebug(lcUi, "slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", m_editor.lightingSlot(),
            m_editor.effect(), color.red(), color.green(), color.blue());
}

void TarnColorWindow::slotApplyColor(QColor) { }

void TarnColorWindow::color_clicked()
{
    QColor colour = m_editor.colour();
    if (!colour.isValid())
        colour = Qt::white;
    if (!ChooseColor(this, colour))
        return;
    m_editor.setColour(colour);
    m_swatch->setColor(colour);
}

void TarnColorWindow::checkbtn_clicked()
{
    m_editor.setMoveOffChecked(m_moveOffBox->isChecked());
}
