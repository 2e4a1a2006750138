#include "ui/macro/MacroStyle.h"

#include "ui/widgets/TarnSpinBox.h"
#include "ui/widgets/Theme.h"

#include <QWidget>

namespace MacroStyle {

namespace {

QString px(double design)
{
    return QString::number(qMax(1, Scaled(design))) + QStringLiteral("px");
}

} // namespace

QString checkBox()
{
    return QStringLiteral("QCheckBox{color:rgb(255,255,255);spacing:%1;}"
                          "QCheckBox:disabled{color:rgb(100,100,100);}"
                          "QCheckBox::indicator{width:%2;height:%2;}"
                          "QCheckBox:focus{border:1px dotted %3;}")
        .arg(px(5), px(16), AccentColorCss());
}

QString lineEdit()
{
    return QStringLiteral("QLineEdit{background:rgb(20,20,20);color:rgb(255,255,255);"
                          "border:1px solid rgb(100,100,100);border-radius:2px;padding:0 %1;}"
                          "QLineEdit:focus{border:1px solid %2;}"
                          "QLineEdit:disabled{color:rgb(100,100,100);}")
        .arg(px(3), AccentColorCss());
}

QString spinBox()
{
    return QStringLiteral("QSpinBox{background:rgb(20,20,20);color:rgb(255,255,255);"
                          "border:1px solid rgb(100,100,100);border-radius:2px;}"
                          "QSpinBox:focus{border:1px solid %1;}"
                          "QSpinBox:disabled{color:rgb(100,100,100);}")
               .arg(AccentColorCss())
        + TarnSpinBox::buttonRules();
}

QString itemView()
{
    const QString accent = AccentColorCss();
    return QStringLiteral("QAbstractItemView{background:rgb(20,20,20);color:rgb(255,255,255);"
                          "border:1px solid rgb(100,100,100);outline:0;"
                          "selection-background-color:%1;selection-color:rgb(255,255,255);}"
                          "QAbstractItemView:focus{border:1px solid %1;}"
                          "QAbstractItemView::item:selected{background:%1;color:rgb(255,255,255);}"
                          "QAbstractItemView:disabled{color:rgb(100,100,100);}"
                          "QHeaderView{background:rgb(50,50,50);color:rgb(225,225,225);}"
                          "QHeaderView::section{background:rgb(50,50,50);color:rgb(225,225,225);"
                          "border:0;border-right:1px solid rgb(30,30,30);padding:0 %2;}"
                          "QTableView{gridline-color:rgb(50,50,50);}"
                          "QAbstractItemView::indicator{width:%5;height:%5;}"
                          "QScrollBar:vertical{background:rgb(30,30,30);width:%3;}"
                          "QScrollBar::handle:vertical{background:rgb(100,100,100);min-height:%4;}"
                          "QScrollBar::add-line,QScrollBar::sub-line{height:0;}")
        .arg(accent, px(4), px(10), px(20), px(16));
}

QString header()
{
    return QStringLiteral("QHeaderView{background:rgb(50,50,50);color:rgb(225,225,225);border:0;}"
                          "QHeaderView::section{background:rgb(50,50,50);color:rgb(225,225,225);border:0;"
                          "border-right:1px solid rgb(30,30,30);padding:0 %1;}"
                          "QHeaderView::section:disabled{color:rgb(100,100,100);}")
        .arg(px(4));
}

QString menu()
{
    const QString accent = AccentColorCss();
    return QStringLiteral(
               "QMenu{background:rgb(50,50,50);color:rgb(255,255,255);border:1px solid rgb(100,100,100);}"
               "QMenu::item{padding:%1 %2;border:1px solid transparent;}"
               "QMenu::item:selected{border:1px solid %3;}"
               "QMenu::item:pressed{background:%3;}")
        .arg(px(4), px(16), accent);
}

QString label()
{
    return QStringLiteral("QLabel{color:rgb(255,255,255);background:transparent;}"
                          "QLabel:disabled{color:rgb(100,100,100);}");
}

void setFont(QWidget *widget, int designPixelSize)
{
    QFont font = CurrentLanguageFont();
    font.setPixelSize(qMax(1, Scaled(designPixelSize)));
    widget->setFont(font);
}

} // namespace MacroStyle
