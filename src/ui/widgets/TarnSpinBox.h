#pragma once

#include <QSpinBox>

// A number box whose step arrows are drawn by the box itself, in the text colour (grey when that
// step is not possible). A style sheet can give the arrows only a picture, and a picture in a sheet
// is read through the image plugins; without one, the dark sheets left the arrows invisible.
class TarnSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit TarnSpinBox(QWidget *parent = nullptr);

    // The sheet rules for the two step buttons of `selector` at the current scale: a plate each at
    // the right end, clear of the text. The arrows are painted over them.
    static QString buttonRules(const QString &selector = QStringLiteral("QSpinBox"));

protected:
    void paintEvent(QPaintEvent *event) override;
};
