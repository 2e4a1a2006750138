#include "ui/pages/TarnReportRate.h"

TarnReportRate::TarnReportRate(QWidget *parent)
    : ConfigPage(parent)
{
    setObjectName(QStringLiteral("TarnReportRate"));
}

void TarnReportRate::refreshFrom(ConfigData &, int) { }

void TarnReportRate::setRate(quint8) { }
