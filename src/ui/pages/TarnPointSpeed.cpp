#include "ui/pages/TarnPointSpeed.h"

TarnPointSpeed::TarnPointSpeed(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("TarnPointSpeed"));
}

void TarnPointSpeed::refreshFrom(ConfigData &, int) { }
