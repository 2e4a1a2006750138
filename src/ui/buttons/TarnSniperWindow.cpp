#include "ui/buttons/TarnSniperWindow.h"

#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QSlider>

TarnSniperWindow::TarnSniperWindow(const SensorSpec &sensor, QWidget *parent)
    : KeyDialogFrame(tr("Sniper Setting"), parent)
    , m_sensor(sensor)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_resolution(new QLabel(this))
{
    setObjectName(QStringLiteral("TarnSniperWindow"));
    const SniperRange range = sensor.sniper;
    m_slider->setRange(range.minimum, range.maximum);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setAccessibleName(tr("Sniper resolution"));
    m_slider->setStyleSheet(
        QStringLiteral(
            "QSlider::groove:horizontal { height: %1px; background: rgb(150,150,150); border-radius: %2px; }"
            "QSlider::sub-page:horizontal { background: %3; border-radius: %2px; }"
            "QSlider::handle:horizontal { background: white; width: %4px; margin: -%5px 0; border-radius: "
            "%2px; }"
            "QSlider:focus { border: 1px dotted %3; }")
            .arg(Scaled(4))
            .arg(Scaled(2))
            .arg(AccentColorCss())
            .arg(Scaled(12))
            .arg(Scaled(5)));
    place(m_slider, 40, 96, 320, 28);
    m_resolution->setAlignment(Qt::AlignCenter);
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(16)));
    font.setBold(true);
    m_resolution->setFont(font);
    m_resolution->setStyleSheet(QStringLiteral("background: transparent; color: %1;").arg(AccentColorCss()));
    place(m_resolution, 40, 132, 320, 28);
    connect(m_slider, &QSlider::valueChanged, this, &TarnSniperWindow::showResolution);
    showResolution(m_slider->value());
}

void TarnSniperWindow::preset(int stored)
{
    const int step = m_sensor.sniperStepFor(stored);
    m_slider->setValue(step);
    showResolution(m_slider->value());
    emit SetSniperValue(m_slider->value());
}

int TarnSniperWindow::step() const
{
    return m_slider->value();
}

QString TarnSniperWindow::resolutionText() const
{
    return m_resolution->text();
}

void TarnSniperWindow::showResolution(int step)
{
    m_resolution->setText(tr("%1 DPI").arg(m_sensor.dpiOf(step)));
}
