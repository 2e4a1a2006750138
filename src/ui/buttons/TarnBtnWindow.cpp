#include "ui/buttons/TarnBtnWindow.h"

TarnBtnWindow::TarnBtnWindow(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("TarnBtnWindow"));
}

void TarnBtnWindow::refreshFrom(ConfigData &, int) { }

void TarnBtnWindow::selectButton(int index, int group)
{
    emit SelBtnChanged(quint8(index), quint8(group));
}
