#include "ui/pages/TarnDPIWindow.h"

#include "device/upload/DpiBlock.h"
#include "storage/AppSettings.h"
#include "storage/ProductDefinition.h"
#include "storage/UploadSlots.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/TarnSingleDPI.h"
#include "ui/widgets/Theme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int PageHeight = 430;
constexpr int RowsTop = 43;
constexpr int RowPitch = 50;
constexpr int SleepGroupHeight = 78;

} // namespace

TarnDPIWindow::TarnDPIWindow(QWidget *parent)
    : ConfigPage(parent)
    , m_heading(new QLabel(this))
    , m_group(new QButtonGroup(this))
    , m_sleepTitle(new QLabel(this))
    , m_sleepSlider(new QSlider(Qt::Horizontal, this))
    , m_sleepValue(new QLabel(this))
    , m_moveOffBox(new QCheckBox(this))
{
    setObjectName(QStringLiteral("TarnDPIWindow"));
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &TarnDPIWindow::onRadioChanged);
    for (int i = 0; i < DpiStageSlots; ++i) {
        auto *row = new TarnSingleDPI(quint8(i), this);
        m_rows[i] = row;
        connect(row, &TarnSingleDPI::DPISignal, this, &TarnDPIWindow::onSliderChanged);
        connect(row, &TarnSingleDPI::LinkSignal, this, &TarnDPIWindow::onLinkChanged);
        connect(row, &TarnSingleDPI::MouseinSignal, this, &TarnDPIWindow::MouseinSignal);
        connect(row, &TarnSingleDPI::EnableSignal, this, &TarnDPIWindow::onEnableChanged);
    }
    int sleepMin = 1, sleepMax = 9;
    SleepRange(sleepMin, sleepMax);
    m_sleepSlider->setRange(sleepMin, sleepMax);
    m_sleepSlider->setSingleStep(1);
    m_sleepSlider->setPageStep(1);
    m_sleepSlider->setFocusPolicy(Qt::StrongFocus);
    connect(m_sleepSlider, &QSlider::valueChanged, this, &TarnDPIWindow::slider_clicked);
    connect(m_sleepSlider, &QSlider::sliderReleased, this, &TarnDPIWindow::slotSliderMouseChange);
    connect(m_moveOffBox, &QCheckBox::clicked, this, &TarnDPIWindow::checkbtn_clicked);
    for (QLabel *label : { m_heading, m_sleepTitle, m_sleepValue })
        label->setTextFormat(Qt::PlainText);
    retranslate();
    relayout();
}

bool TarnDPIWindow::sleepGroupShown() const
{
    return ShowSleep() != 0 && LedDisable() != 0;
}

void TarnDPIWindow::refreshFrom(ConfigData &config, int slot)
{
    m_config = &config;
    m_slot = qBound(0, slot, ProfileSlots - 1);
    m_lighting.attach(config, LightingSlotIndex(m_slot, ProductName()));
    const SensorSpec sensor = SensorSpecFor(SensorVariant(), ProductName(), Flag33254());
    m_profile = config.profiles[m_slot];
    for (TarnSingleDPI *row : m_rows) {
        row->setSensor(sensor);
        row->setStage(m_profile.stages[row->stage()]);
    }
    highlightCurrent();
    {
        const QSignalBlocker blocker(m_sleepSlider);
        m_sleepSlider->setValue(m_profile.LedSleepTime);
    }
    showSleepValue(m_profile.LedSleepTime);
    m_moveOffBox->setChecked(m_profile.LedMoveOFF == 0);
    relayout();
}

void TarnDPIWindow::collectInto(ConfigData &config, int slot) const
{
    if (slot < 0 || slot >= ProfileSlots)
        return;
    ProfileData &target = config.profiles[slot];
    target.dpi = m_profile.dpi;
    std::copy(std::begin(m_profile.stages), std::end(m_profile.stages), std::begin(target.stages));
}

void TarnDPIWindow::relayout()
{
    const int count = DpiStageCountForDevice(DpiStageCount());
    const bool sleep = sleepGroupShown();
    // Eight rows and the sleep group do not fit at the full pitch: the rows close up.
    int pitch = RowPitch;
    const int room = PageHeight - RowsTop - (sleep ? SleepGroupHeight : 0);
    if (count * pitch > room)
        pitch = room / count;

    PlaceWidget(m_heading, 15, 12, 300, 20);
    m_heading->setFont(PageFont(15));
    SetTextColor(m_heading, ThemeColor::text());
    for (TarnSingleDPI *row : m_rows) {
        const int i = row->stage();
        if (i < count) {
            PlaceWidget(row, 15, RowsTop + pitch * i, 440, pitch - 2);
            row->relayout(pitch - 2);
            row->show();
        } else {
            row->setGeometry(QRect());
            row->hide();
        }
    }

    const int top = RowsTop + pitch * count + 7;
    PlaceWidget(m_sleepTitle, 15, top, 201, 18);
    PlaceWidget(m_sleepSlider, 15, top + 20, 228, 25);
    PlaceWidget(m_sleepValue, 250, top + 23, 100, 18);
    PlaceWidget(m_moveOffBox, 15, top + 50, 300, 22);
    for (QWidget *w :
         std::initializer_list<QWidget *> { m_sleepTitle, m_sleepSlider, m_sleepValue, m_moveOffBox })
        w->setVisible(sleep);
    m_sleepTitle->setFont(PageFont(13));
    m_sleepValue->setFont(PageFont(13));
    SetTextColor(m_sleepTitle, ThemeColor::text());
    SetTextColor(m_sleepValue, ThemeColor::text());
    StyleSlider(m_sleepSlider);
    StyleCheckBox(m_moveOffBox);
}

void TarnDPIWindow::retranslate()
{
    m_heading->setText(tr("DPI STAGES"));
    m_sleepTitle->setText(tr("SLEEP TIME"));
    m_sleepSlider->setAccessibleName(tr("SLEEP TIME"));
    m_moveOffBox->setText(tr("MOVE TO LIGHT OFF"));
    showSleepValue(m_sleepSlider->value());
    for (TarnSingleDPI *row : m_rows)
        row->retranslate();
}

void TarnDPIWindow::setCurrentStage(quint8 stage)
{
    if (stage >= DpiStageSlots)
        return;
    m_profile.dpi = stage;
    highlightCurrent();
}

void TarnDPIWindow::onRadioChanged() { }

void TarnDPIWindow::onStateChanged(int) { }

void TarnDPIWindow::onLinkChanged(quint8 link, quint8 stage)
{
    if (stage < DpiStageSlots)
        m_profile.stages[stage].link = link;
}

void TarnDPIWindow::onEnableChanged(quint8 used, quint8 stage)
{
    if (stage < DpiStageSlots)
        m_profile.stages[stage].used = used;
}

void TarnDPIWindow::onSliderChanged(int x, int y, quint8 stage)
{
    if (stage >= DpiStageSlots)
        return;
    m_profile.stages[stage].x = quint32(qMax(0, x));
    m_profile.stages[stage].y = quint32(qMax(0, y));
}

void TarnDPIWindow::MouseinSignal(quint8 stage)
{
    setCurrentStage(stage);
}

void TarnDPIWindow::slotLabelClick(TarnLabel *) { }

void TarnDPIWindow::checkbtn_clicked()
{
    const bool checked = m_moveOffBox->isChecked();
    m_profile.LedMoveOFF = checked ? 0 : 255;
    // The same record the lighting page edits, so that products without lighting keep the setting.
    m_lighting.setMoveOffChecked(checked);
}

void TarnDPIWindow::slider_clicked(int iValue)
{
    showSleepValue(iValue);
    m_profile.LedSleepTime = quint8(qBound(0, iValue, 255));
    m_lighting.setSleepTime(iValue);
}

void TarnDPIWindow::slotSliderMouseChange() { }

void TarnDPIWindow::showSleepValue(int minutes)
{
    m_sleepValue->setText(QString::number(minutes) + tr(" MINUTE"));
}

void TarnDPIWindow::highlightCurrent()
{
    for (TarnSingleDPI *row : m_rows)
        row->setHighlighted(false);
    if (m_profile.dpi < DpiStageSlots)
        m_rows[m_profile.dpi]->setHighlighted(true);
}
