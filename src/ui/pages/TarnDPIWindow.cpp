#include "ui/pages/TarnDPIWindow.h"

TarnDPIWindow::TarnDPIWindow(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("TarnDPIWindow"));
}

void TarnDPIWindow::refreshFrom(ConfigData &, int) { }

void TarnDPIWindow::setCurrentStage(quint8) { }

int TarnDPIWindow::stageDpi(int) const
{
    return 0;
}
