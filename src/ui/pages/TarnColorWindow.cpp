#include "ui/pages/TarnColorWindow.h"

TarnColorWindow::TarnColorWindow(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("TarnColorWindow"));
}

void TarnColorWindow::refreshFrom(ConfigData &, int) { }

void TarnColorWindow::setModeReport(quint8) { }
