#pragma once

#include "ui/widgets/SkinPicture.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

class QLabel;
class TarnPushButton;

// The mouse picture of the button page: the front view with a numbered callout for each button and
// the wheel's up and down arrows, or the side view with a note, and the "Front" and "Side" switches.
// Every button the mouse takes is one of the front callouts, so the side view offers none.
class MousePicture : public QWidget
{
    Q_OBJECT
public:
    // Callouts of the front view.
    static constexpr int CalloutCount = 20;

    // An empty picture; setProduct() loads the pictures.
    explicit MousePicture(QWidget *parent = nullptr);

    // Loads the pictures and arrows of `productName` and shows the first `buttonCount` callouts.
    void setProduct(const QString &productName, int buttonCount);
    // Shows the front view (the callouts of groups 0 and 2) or the side view (the note).
    void setFrontView(bool front);
    // True while the front view is shown.
    bool frontView() const { return m_frontShown; }
    // Shows or hides the callouts, arrows and view switches (only the button page has them).
    void setInteractive(bool interactive);
    // Marks callout `index` of `group` (0 front, 2 wheel: 0 up, 1 down) as selected.
    void setSelected(int index, int group);
    // Highlights callout `index` of `group` while the pointer is over its button (or releases it).
    void setHovered(int index, int group, bool over);
    // The callout of `index` in `group` (2: the arrows), or null.
    TarnPushButton *callout(int index, int group) const;
    // The side view's note.
    QLabel *sideNote() const { return m_sideNote; }
    // Places the parts again at the current scale.
    void relayout();
    // Sets the texts again through the translator.
    void retranslate();

signals:
    // A callout or arrow was clicked: select button `index` of `group`.
    void buttonRequested(int index, int group);
    // "Front" or "Side" was clicked.
    void viewRequested(bool front);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TarnPushButton *createCallout(int number);
    QRect pictureRect() const;
    void updateVisibility();
    void refreshHighlights();

    const QPixmap &picture(bool front);

    QString m_productName;
    SkinPicture m_frontPicture;
    SkinPicture m_sidePicture;
    QVector<TarnPushButton *> m_front;
    TarnPushButton *m_up;
    TarnPushButton *m_down;
    TarnPushButton *m_frontSwitch;
    TarnPushButton *m_sideSwitch;
    QLabel *m_sideNote;
    int m_buttonCount = 0;
    bool m_frontShown = true;
    bool m_interactive = true;
    int m_selectedIndex = 0;
    int m_selectedGroup = 0;
    int m_hoverIndex = -1;
    int m_hoverGroup = -1;
};
