#pragma once

#include "sensors/SensorSpec.h"

#include "storage/ConfigData.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class TarnLabel;
class TarnTwoBarSlider;

// One DPI stage row: enable box, title, "Link XY", the sliders with their DPI labels and range ends.
class TarnSingleDPI : public QWidget
{
    Q_OBJECT
public:
    // The row of stage `stage` (0 to 7).
    explicit TarnSingleDPI(quint8 stage, QWidget *parent = nullptr);

    // Takes the sensor's slider range, range-end labels and "Link XY" offer.
    void setSensor(const SensorSpec &sensor);
    // Shows a stored stage: link mode, positions and labels, enable box; emits nothing.
    void setStage(const DpiStage &stage);
    // Current stage: the texts take the accent colour; otherwise white.
    void setHighlighted(bool highlighted);
    // Places the controls again for a row of `designHeight` units at the current scale.
    void relayout(int designHeight);
    // Sets every text again through the translator.
    void retranslate();

    // The row's stage index.
    quint8 stage() const { return m_stage; }
    // The positions, link and enable flags as the row holds them.
    int xValue() const { return m_x; }
    int yValue() const { return m_y; }
    quint8 link() const { return m_link; }
    quint8 used() const { return m_used; }
    // The controls, for tests and tab order.
    QCheckBox *enableBox() const { return m_enableBox; }
    QCheckBox *linkBox() const { return m_linkBox; }
    TarnTwoBarSlider *slider() const { return m_slider; }
    QLabel *dpiLabel() const { return m_dpiLabel; }
    QLabel *xLabel() const { return m_xLabel; }
    QLabel *yLabel() const { return m_yLabel; }
    QLabel *minimumLabel() const { return m_minLabel; }
    QLabel *maximumLabel() const { return m_maxLabel; }
    TarnLabel *titleLabel() const { return m_title; }

signals:
    // The positions of stage `stage` changed.
    void DPISignal(int x, int y, quint8 stage);
    // The link flag of stage `stage` changed.
    void LinkSignal(quint8 link, quint8 stage);
    // The enable flag of stage `stage` changed.
    void EnableSignal(quint8 used, quint8 stage);
    // The row was pressed: stage `stage` becomes current.
    void MouseinSignal(quint8 stage);

public slots:
    // "Link XY" toggled (Qt::CheckState value).
    void onStateChanged(int state);
    // A slider moved to (x, y).
    void onSliderChanged(int x, int y);
    // The title was clicked or pressed from the keyboard.
    void slotLabelClick(TarnLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showValues();
    void showLinkMode();

    quint8 m_stage;
    SensorSpec m_sensor;
    int m_x = 0;
    int m_y = 0;
    quint8 m_link = 0;
    quint8 m_used = 0;
    bool m_linkOffered = false;
    bool m_highlighted = false;

    TarnLabel *m_title;
    QCheckBox *m_enableBox;
    QCheckBox *m_linkBox;
    QLabel *m_xLabel;
    QLabel *m_yLabel;
    QLabel *m_dpiLabel;
    QLabel *m_minLabel;
    QLabel *m_maxLabel;
    TarnTwoBarSlider *m_slider;
};
