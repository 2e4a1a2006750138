#include "ui/pages/TarnTwoBarSlider.h"

#include "ui/pages/PageStyle.h"

#include <QSignalBlocker>
#include <QSlider>

TarnTwoBarSlider::TarnTwoBarSlider(QWidget *parent)
    : QWidget(parent)
    , m_x(createSlider())
    , m_y(createSlider())
    , m_xy(createSlider())
{
    connect(m_x, &QSlider::valueChanged, this, [this](int x) { emit SliderChangedSignal(x, m_y->value()); });
    connect(m_y, &QSlider::valueChanged, this, [this](int y) { emit SliderChangedSignal(m_x->value(), y); });
    connect(m_xy, &QSlider::valueChanged, this, [this](int v) { emit SliderChangedSignal(v, v); });
    setRange(1, 100);
    setLinked(false);
}

QSlider *TarnTwoBarSlider::createSlider()
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::StrongFocus);
    StyleSlider(slider);
    return slider;
}

void TarnTwoBarSlider::setRange(int minimum, int maximum)
{
    for (QSlider *slider : { m_x, m_y, m_xy }) {
        const QSignalBlocker blocker(slider);
        slider->setRange(minimum, maximum);
    }
}

void TarnTwoBarSlider::setLinked(bool linked)
{
    m_linked = linked;
    m_xy->setVisible(linked);
    m_x->setVisible(!linked);
    m_y->setVisible(!linked);
    placeSliders();
}

void TarnTwoBarSlider::setValues(int x, int y)
{
    const QSignalBlocker bx(m_x), by(m_y), bxy(m_xy);
    m_x->setValue(x);
    m_y->setValue(y);
    m_xy->setValue(x);
}

void TarnTwoBarSlider::setAccessibleNames(const QString &x, const QString &y, const QString &combined)
{
    m_x->setAccessibleName(x);
    m_y->setAccessibleName(y);
    m_xy->setAccessibleName(combined);
}

void TarnTwoBarSlider::relayout()
{
    for (QSlider *slider : { m_x, m_y, m_xy })
        StyleSlider(slider);
    placeSliders();
}

void TarnTwoBarSlider::placeSliders()
{
    const int w = width();
    const int h = height();
    m_xy->setGeometry(0, 0, w, h);
    m_x->setGeometry(0, 0, w, h / 2);
    m_y->setGeometry(0, h / 2, w, h - h / 2);
    // Stacked in a short row, the round handles would not fit their half and would run into each other.
    const bool flat = h / 2 < SliderHandleHeight();
    SetFlatSliderHandle(m_x, flat);
    SetFlatSliderHandle(m_y, flat);
}

void TarnTwoBarSlider::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeSliders();
}
