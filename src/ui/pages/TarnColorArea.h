#pragma once

#include "ui/widgets/SkinPicture.h"
#include <QColor>
#include <QDialog>
#include <QPixmap>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SVColorArea;

// The modal colour picker: hue strip, saturation/value square, preview, seven presets, hue,
// saturation, value, red, green and blue boxes and a hexadecimal field, all showing one colour.
class TarnColorArea : public QDialog
{
    Q_OBJECT
public:
    // A dialog over `parent` starting at `colour`.
    explicit TarnColorArea(QWidget *parent = nullptr, const QColor &colour = Qt::white);
    // Lets go of the hex field first: losing focus while the dialog goes would report an edit.
    ~TarnColorArea() override;

    // Makes `colour` current and shows it in every control; emits TarnChangeColor.
    void setColor(const QColor &colour);
    // The colour shown (returned to the caller on "APPLY").
    QColor color() const { return m_colour; }
    // Sizes and places every child at the current scale.
    void relayout();
    // Sets every text again through the translator and lays the dialog out again.
    void retranslate();

    // The controls, for tests.
    HColorArea *hueStrip() const { return m_hueStrip; }
    SVColorArea *square() const { return m_square; }
    PreviewColorArea *preview() const { return m_preview; }
    DefaultColorArea *preset(int index) const { return m_presets[index]; }
    QSpinBox *hueBox() const { return m_h; }
    QSpinBox *saturationBox() const { return m_s; }
    QSpinBox *valueBox() const { return m_v; }
    QSpinBox *redBox() const { return m_r; }
    QSpinBox *greenBox() const { return m_g; }
    QSpinBox *blueBox() const { return m_b; }
    QLineEdit *hexField() const { return m_hex; }
    QToolButton *applyButton() const { return m_apply; }
    QToolButton *cancelButton() const { return m_cancel; }
    static constexpr int PresetCount = 7;

signals:
    // The colour changed.
    void TarnChangeColor(const QColor &colour);
    // A change is complete (preset, red/green/blue edit, mouse released on the strip or square).
    void ApplyColor();

public slots:
    // A preset swatch was clicked.
    void color_clicked();
    // The hue, saturation or value box changed.
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    // The red, green or blue box changed.
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    // The square and strip settled on (hue, saturation, value).
    void updateEditData(int h, int s, int v);
    // The hexadecimal field is being typed in.
    void editChangedSlot(const QString &text);
    // Typing in the hexadecimal field ended.
    void editFinishedSlot();
    // The mouse was released on the strip or the square.
    void MouseReleaseSlot();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QSpinBox *createBox(int maximum, const QString &prefix);
    void hsvBoxChanged();
    void rgbBoxChanged();
    void takeHsvFrom(const QColor &colour);
    void showHsv();
    void showRgb();
    void showHex();
    void showPickers();

    QColor m_colour { Qt::white };
    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 255;
    bool m_busy = false;
    bool m_rgbBatch = true;
    bool m_editing = false;

    SkinPicture m_background;
    QLabel *m_caption;
    QLabel *m_presetLabel;
    HColorArea *m_hueStrip;
    SVColorArea *m_square;
    PreviewColorArea *m_preview;
    DefaultColorArea *m_presets[PresetCount];
    QSpinBox *m_h;
    QSpinBox *m_s;
    QSpinBox *m_v;
    QSpinBox *m_r;
    QSpinBox *m_g;
    QSpinBox *m_b;
    QLabel *m_hexPrefix;
    QLineEdit *m_hex;
    QToolButton *m_apply;
    QToolButton *m_cancel;
};
