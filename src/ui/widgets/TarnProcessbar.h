#pragma once

#include <QProgressBar>

// The battery bar: a progress bar that paints its text itself, in the current language's font.
// It shows either its own text (for example "MOUSE OFF") or the progress text of its format.
class TarnProcessbar : public QProgressBar
{
    Q_OBJECT
public:
    // An empty bar from 0 to 100.
    explicit TarnProcessbar(QWidget *parent = nullptr);

    // The bar's own text, painted instead of the progress text while not empty.
    void setBarText(const QString &text);
    // The bar's own text.
    QString barText() const { return m_barText; }
    // Shows or hides the progress text (the format with "%p" replaced).
    void setProgressTextShown(bool shown);
    // True while the progress text is shown.
    bool progressTextShown() const { return m_progressTextShown; }
    // The text painted now: the bar's own text, else the progress text when shown, else empty.
    QString paintedText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_barText;
    bool m_progressTextShown = true;
};
