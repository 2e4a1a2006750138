#include "ui/pages/TarnSingleDPI.h"

#include "platform/LogCategories.h"
#include "storage/ProductDefinition.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/TarnTwoBarSlider.h"
#include "ui/widgets/TarnLabel.h"
#include "ui/widgets/Theme.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>

namespace {

QLabel *createValueLabel(QWidget *parent, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

TarnSingleDPI::TarnSingleDPI(quint8 stage, QWidget *parent)
    : QWidget(parent)
    , m_stage(stage)
    , m_title(new TarnLabel(QString(), this))
    , m_enableBox(new QCheckBox(this))
    , m_linkBox(new QCheckBox(this))
    , m_xLabel(createValueLabel(this, Qt::AlignRight))
    , m_yLabel(createValueLabel(this, Qt::AlignRight))
    , m_dpiLabel(createValueLabel(this, Qt::AlignRight))
    , m_minLabel(createValueLabel(this, Qt::AlignRight))
    , m_maxLabel(createValueLabel(this, Qt::AlignLeft))
    , m_slider(new TarnTwoBarSlider(this))
{
    setObjectName(QStringLiteral("TarnSingleDPI%1").arg(stage + 1));
    m_title->setClickable(true);
    setTabOrder(m_enableBox, m_title);
    setTabOrder(m_title, m_linkBox);
    setTabOrder(m_linkBox, m_slider->combinedSlider());
    setTabOrder(m_slider->combinedSlider(), m_slider->xSlider());
    setTabOrder(m_slider->xSlider(), m_slider->ySlider());

    connect(m_slider, &TarnTwoBarSlider::SliderChangedSignal, this, &TarnSingleDPI::onSliderChanged);
    connect(m_linkBox, &QCheckBox::stateChanged, this, &TarnSingleDPI::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, [this](int state) {
        m_used = state == Qt::Checked ? 1 : 0;
        emit EnableSignal(m_used, m_stage);
    });
    connect(m_title, &TarnLabel::EnterSignal, this, &TarnSingleDPI::slotLabelClick);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    retranslate();
    setHighlighted(false);
    showLinkMode();
}

void TarnSingleDPI::setSensor(const SensorSpec &sensor)
{
    m_sensor = sensor;
    const DpiSliderRange range = sensor.range;
    m_slider->setRange(range.minimum, range.maximum);
    m_minLabel->setText(QString::number(sensor.dpiOf(range.minimum)));
    m_maxLabel->setText(QString::number(sensor.dpiOf(range.maximum)));
    m_linkOffered = range.linkOffered;
    m_linkBox->setVisible(m_linkOffered);
    showValues();
}

void TarnSingleDPI::setStage(const DpiStage &stage)
{
    m_link = stage.link ? 1 : 0;
    m_used = stage.used ? 1 : 0;
    m_x = int(qMin<quint32>(stage.x, INT_MAX));
    m_y = int(qMin<quint32>(stage.y, INT_MAX));
    {
        const QSignalBlocker linkBlocker(m_linkBox);
        const QSignalBlocker enableBlocker(m_enableBox);
        m_linkBox->setChecked(m_link == 1);
        m_enableBox->setChecked(m_used == 1);
    }
    m_slider->setValues(m_x, m_y);
    showLinkMode();
    showValues();
}

void TarnSingleDPI::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    const QColor color = highlighted ? AccentColor() : ThemeColor::text();
    for (QWidget *w : std::initializer_list<QWidget *> { m_title, m_xLabel, m_yLabel, m_dpiLabel, m_minLabel,
                                                         m_maxLabel, m_linkBox, m_enableBox })
        SetTextColor(w, color);
}

void TarnSingleDPI::relayout(int designHeight)
{
    const int sliderTop = 21;
    const int lower = qMax(10, designHeight - sliderTop - 1);
    PlaceWidget(m_enableBox, 3, 2, 20, 19);
    PlaceWidget(m_title, 24, 3, 62, 17);
    PlaceWidget(m_linkBox, 90, 2, 110, 19);
    PlaceWidget(m_xLabel, 215, 3, 105, 17);
    PlaceWidget(m_yLabel, 325, 3, 112, 17);
    PlaceWidget(m_dpiLabel, 280, 3, 157, 17);
    PlaceWidget(m_minLabel, 0, sliderTop, 52, lower);
    PlaceWidget(m_slider, 58, sliderTop, 324, lower);
    PlaceWidget(m_maxLabel, 388, sliderTop, 52, lower);
    m_slider->relayout();
    StyleCheckBox(m_enableBox);
    StyleCheckBox(m_linkBox);
    m_title->setFont(PageFont(13));
    for (QLabel *label : { m_xLabel, m_yLabel, m_dpiLabel })
        label->setFont(PageFont(12));
    for (QLabel *label : { m_minLabel, m_maxLabel })
        label->setFont(PageFont(11));
    setHighlighted(m_highlighted);
}

void TarnSingleDPI::retranslate()
{
    const QString title = tr("DPI") + QStringLiteral(" %1").arg(m_stage + 1);
    m_title->setText(title);
    m_title->setAccessibleName(title);
    m_linkBox->setText(tr("Link XY"));
    m_enableBox->setAccessibleName(tr("Enable %1").arg(title));
    m_slider->setAccessibleNames(title + QStringLiteral(" X"), title + QStringLiteral(" Y"), title);
    showValues();
}

void TarnSingleDPI::onStateChanged(int state)
{
    m_link = state == Qt::Checked ? 1 : 0;
    showLinkMode();
    emit LinkSignal(m_link, m_stage);
    // Linked axes share one resolution: Y takes X's, as the combined slider shows.
    if (m_link && m_y != m_x) {
        m_slider->setValues(m_x, m_x);
        onSliderChanged(m_x, m_x);
    }
}

void TarnSingleDPI::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    qCDebug(lcUi, "ix = %d", x);
    showValues();
    emit DPISignal(x, y, m_stage);
}

void TarnSingleDPI::slotLabelClick(TarnLabel *)
{
    emit MouseinSignal(m_stage);
}

void TarnSingleDPI::mousePressEvent(QMouseEvent *event)
{
    emit MouseinSignal(m_stage);
    QWidget::mousePressEvent(event);
}

bool TarnSingleDPI::eventFilter(QObject *watched, QEvent *event)
{
    // Children take their own presses; a press anywhere in the row still picks the stage.
    if (event->type() == QEvent::MouseButtonPress)
        emit MouseinSignal(m_stage);
    return QWidget::eventFilter(watched, event);
}

void TarnSingleDPI::showValues()
{
    m_xLabel->setText(QStringLiteral("X:%1").arg(m_sensor.dpiOf(m_x)));
    m_yLabel->setText(QStringLiteral("Y:%1").arg(m_sensor.dpiOf(m_y)));
    m_dpiLabel->setText(QStringLiteral("DPI : %1").arg(m_sensor.dpiOf(m_y)));
}

void TarnSingleDPI::showLinkMode()
{
    m_slider->setLinked(m_link == 1);
    m_dpiLabel->setVisible(m_link == 1);
    m_xLabel->setVisible(m_link != 1);
    m_yLabel->setVisible(m_link != 1);
}
