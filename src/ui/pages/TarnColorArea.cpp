#include "ui/pages/TarnColorArea.h"

#include "ui/pages/ColorRules.h"
#include "ui/pages/DefaultColorArea.h"
#include "ui/pages/HColorArea.h"
#include "ui/pages/PageStyle.h"
#include "ui/pages/PreviewColorArea.h"
#include "ui/pages/SVColorArea.h"
#include "ui/widgets/ConfirmButtons.h"
#include "ui/widgets/DialogFrame.h"
#include "ui/widgets/TarnSpinBox.h"
#include "ui/widgets/Theme.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QToolButton>

namespace {

constexpr int DialogWidth = 400;
constexpr int DialogHeight = 310;

const QColor PresetColours[TarnColorArea::PresetCount] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),     QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
};

const char *const PresetNames[TarnColorArea::PresetCount]
    = { QT_TRANSLATE_NOOP("TarnColorArea", "Red"),    QT_TRANSLATE_NOOP("TarnColorArea", "Green"),
        QT_TRANSLATE_NOOP("TarnColorArea", "Blue"),   QT_TRANSLATE_NOOP("TarnColorArea", "Cyan"),
        QT_TRANSLATE_NOOP("TarnColorArea", "Yellow"), QT_TRANSLATE_NOOP("TarnColorArea", "Magenta"),
        QT_TRANSLATE_NOOP("TarnColorArea", "White") };

// Raises a flag for the lifetime of the object and puts back what it was.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag)
        : m_flag(flag)
        , m_old(flag)
    {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};

} // namespace

TarnColorArea::TarnColorArea(QWidget *parent, const QColor &colour)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_colour(colour)
    , m_background(QStringLiteral("/dlg.png"))
    , m_caption(new QLabel(this))
    , m_presetLabel(new QLabel(this))
    , m_hueStrip(new HColorArea(this))
    , m_square(new SVColorArea(this))
    , m_preview(new PreviewColorArea(this))
    , m_h(createBox(360, QStringLiteral("H ")))
    , m_s(createBox(255, QStringLiteral("S ")))
    , m_v(createBox(255, QStringLiteral("V ")))
    , m_r(createBox(255, QStringLiteral("R ")))
    , m_g(createBox(255, QStringLiteral("G ")))
    , m_b(createBox(255, QStringLiteral("B ")))
    , m_hexPrefix(new QLabel(QStringLiteral("#"), this))
    , m_hex(new QLineEdit(this))
    , m_apply(CreateAcceptButton(this, false))
    , m_cancel(CreateRejectButton(this))
{
    setObjectName(QStringLiteral("TarnColorArea"));
    setModal(true);
    for (int i = 0; i < PresetCount; ++i) {
        m_presets[i] = new DefaultColorArea(PresetColours[i], this);
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this, &TarnColorArea::color_clicked);
    }
    m_hex->setMaxLength(6);
    m_hex->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9a-fA-F]{0,6}")), m_hex));

    connect(m_hueStrip, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this, &TarnColorArea::updateEditData);
    connect(m_hex, &QLineEdit::textEdited, this, &TarnColorArea::editChangedSlot);
    connect(m_hex, &QLineEdit::editingFinished, this, &TarnColorArea::editFinishedSlot);
    connect(m_h, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::hValueChangedSlot);
    connect(m_s, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::sValueChangedSlot);
    connect(m_v, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::vValueChangedSlot);
    connect(m_r, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::rValueChangedSlot);
    connect(m_g, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::gValueChangedSlot);
    connect(m_b, QOverload<int>::of(&QSpinBox::valueChanged), this, &TarnColorArea::bValueChangedSlot);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);
    connect(m_hueStrip, &HColorArea::mouseReleaseSignal, this, &TarnColorArea::MouseReleaseSlot);

    // Keyboard order follows the picture: square, strip, boxes, field, presets, buttons.
    QWidget *order[] = { m_square, m_hueStrip, m_h, m_s, m_v, m_r, m_g, m_b, m_hex };
    for (size_t i = 1; i < sizeof(order) / sizeof(order[0]); ++i)
        setTabOrder(order[i - 1], order[i]);
    setTabOrder(m_hex, m_presets[0]);
    for (int i = 1; i < PresetCount; ++i)
        setTabOrder(m_presets[i - 1], m_presets[i]);
    setTabOrder(m_presets[PresetCount - 1], m_apply);
    setTabOrder(m_apply, m_cancel);
    m_apply->setFocusPolicy(Qt::StrongFocus);
    m_cancel->setFocusPolicy(Qt::StrongFocus);

    retranslate();
    setColor(colour);
}

TarnColorArea::~TarnColorArea()
{
    disconnect(m_hex, nullptr, this, nullptr);
}

QSpinBox *TarnColorArea::createBox(int maximum, const QString &prefix)
{
    auto *box = new TarnSpinBox(this);
    box->setRange(0, maximum);
    box->setPrefix(prefix);
    box->setAccelerated(true);
    return box;
}

void TarnColorArea::setColor(const QColor &colour)
{
    m_colour = colour.toRgb();
    m_colour.setAlpha(255);
    showRgb();
    takeHsvFrom(m_colour);
    showHsv();
    showHex();
    showPickers();
    emit TarnChangeColor(m_colour);
}

void TarnColorArea::takeHsvFrom(const QColor &colour)
{
    // A grey has no hue of its own: it keeps the last one.
    if (colour.hsvHue() >= 0)
        m_hue = colour.hsvHue();
    m_saturation = colour.hsvSaturation();
    m_value = colour.value();
}

void TarnColorArea::showHsv()
{
    const FlagGuard busy(m_busy);
    m_h->setValue(m_hue);
    m_s->setValue(m_saturation);
    m_v->setValue(m_value);
}

void TarnColorArea::showRgb()
{
    const FlagGuard busy(m_busy);
    m_r->setValue(m_colour.red());
    m_g->setValue(m_colour.green());
    m_b->setValue(m_colour.blue());
}

void TarnColorArea::showHex()
{
    // Never rewrite the text under the user's cursor.
    if (!m_editing)
        m_hex->setText(HexText(m_colour));
}

void TarnColorArea::showPickers()
{
    m_hueStrip->setHue(m_hue);
    m_square->setHue(m_hue);
    m_square->setLevels(m_saturation, m_value);
    m_preview->setColor(m_colour);
}

void TarnColorArea::color_clicked()
{
    int index = 0;
    while (index < PresetCount && m_presets[index] != sender())
        ++index;
    if (index == PresetCount)
        return;
    const QColor preset = PresetColours[index];
    m_rgbBatch = false;
    m_r->setValue(preset.red());
    m_g->setValue(preset.green());
    m_rgbBatch = true;
    // The update runs once for the three boxes, even when blue already has its value.
    if (m_b->value() == preset.blue())
        bValueChangedSlot(preset.blue());
    else
        m_b->setValue(preset.blue());
    emit TarnChangeColor(preset);
    emit ApplyColor();
}

void TarnColorArea::hValueChangedSlot(int)
{
    hsvBoxChanged();
}

void TarnColorArea::sValueChangedSlot(int)
{
    hsvBoxChanged();
}

void TarnColorArea::vValueChangedSlot(int)
{
    hsvBoxChanged();
}

void TarnColorArea::hsvBoxChanged()
{
    if (m_busy)
        return;
    const FlagGuard busy(m_busy);
    m_hue = m_h->value();
    m_saturation = m_s->value();
    m_value = m_v->value();
    // Stored files keep colours in RGB form.
    m_colour = QColor::fromHsv(m_hue >= 360 ? 0 : m_hue, m_saturation, m_value, 255).toRgb();
    showRgb();
    showHex();
    showPickers();
    emit TarnChangeColor(m_colour);
}

void TarnColorArea::rValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::gValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::bValueChangedSlot(int)
{
    rgbBoxChanged();
}

void TarnColorArea::rgbBoxChanged()
{
    if (m_busy)
        return;
    {
        const FlagGuard busy(m_busy);
        m_colour.setRgb(m_r->value(), m_g->value(), m_b->value(), 255);
        takeHsvFrom(m_colour);
        showHsv();
        showPickers();
        showHex();
    }
    if (m_rgbBatch) {
        emit TarnChangeColor(m_colour);
        emit ApplyColor();
    }
}

void TarnColorArea::updateEditData(int h, int s, int v)
{
    m_hue = h >= 360 ? 0 : h;
    m_saturation = s;
    m_value = v;
    m_colour = QColor::fromHsv(m_hue, s, v, 255).toRgb();
    showHsv();
    showRgb();
    showHex();
    m_preview->setColor(m_colour);
    emit TarnChangeColor(m_colour);
}

void TarnColorArea::editChangedSlot(const QString &text)
{
    m_editing = true;
    QColor colour;
    if (!ColourFromTypedHex(text, &colour))
        return;
    m_colour = colour;
    takeHsvFrom(m_colour);
    showPickers();
    showHsv();
    showRgb();
    emit TarnChangeColor(m_colour);
}

void TarnColorArea::editFinishedSlot()
{
    m_hex->setText(FinishedHexText(m_hex->text()));
    m_editing = false;
}

void TarnColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}

void TarnColorArea::relayout()
{
    setFixedSize(Scaled(DialogWidth), Scaled(DialogHeight));
    m_hueStrip->relayout();
    m_square->relayout();
    showPickers();

    PlaceWidget(m_caption, 20, 14, 360, 24);
    const int margin = m_square->margin();
    m_square->move(Scaled(20) - margin, Scaled(50) - margin);
    m_hueStrip->move(Scaled(162), Scaled(50) - HColorArea::TopMargin);
    PlaceWidget(m_preview, 205, 50, 80, 44);
    PlaceWidget(m_hexPrefix, 293, 60, 12, 26);
    PlaceWidget(m_hex, 305, 60, 75, 26);
    QSpinBox *boxes[] = { m_h, m_s, m_v, m_r, m_g, m_b };
    for (int i = 0; i < 6; ++i)
        PlaceWidget(boxes[i], i < 3 ? 205 : 295, 104 + 30 * (i % 3), 85, 26);
    PlaceWidget(m_presetLabel, 20, 194, 150, 18);
    for (int i = 0; i < PresetCount; ++i)
        PlaceWidget(m_presets[i], 20 + 28 * i, 216, 22, 22);

    StyleConfirmButton(m_apply);
    StyleConfirmButton(m_cancel);
    const int bottom = Scaled(DialogHeight - 20) - m_cancel->height();
    m_cancel->move(width() - Scaled(20) - m_cancel->width(), bottom);
    m_apply->move(m_cancel->x() - Scaled(12) - m_apply->width(), bottom);

    for (QWidget *w : std::initializer_list<QWidget *> { m_h, m_s, m_v, m_r, m_g, m_b, m_hex })
        StyleField(w);
    m_caption->setFont(PageFont(16));
    m_presetLabel->setFont(PageFont(13));
    m_hexPrefix->setFont(PageFont(13));
    for (QLabel *label : { m_caption, m_presetLabel, m_hexPrefix })
        SetTextColor(label, ThemeColor::text());
    update();
}

void TarnColorArea::retranslate()
{
    m_caption->setText(tr("Color Edit"));
    setWindowTitle(tr("Color Edit"));
    m_presetLabel->setText(tr("COLOR"));
    m_apply->setText(tr("APPLY"));
    m_cancel->setText(tr("Cancel"));
    m_hueStrip->setAccessibleName(tr("Hue"));
    m_square->setAccessibleName(tr("Saturation and value"));
    m_h->setAccessibleName(tr("Hue"));
    m_s->setAccessibleName(tr("Saturation"));
    m_v->setAccessibleName(tr("Value"));
    m_r->setAccessibleName(tr("Red"));
    m_g->setAccessibleName(tr("Green"));
    m_b->setAccessibleName(tr("Blue"));
    m_hex->setAccessibleName(tr("Hexadecimal colour"));
    for (int i = 0; i < PresetCount; ++i)
        m_presets[i]->setAccessibleName(tr(PresetNames[i]));
    relayout();
}

void TarnColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintDialogFrame(painter, rect(), m_background);
}

void TarnColorArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
