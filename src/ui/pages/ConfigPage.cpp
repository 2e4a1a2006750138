#include "ui/pages/ConfigPage.h"

ConfigPage::ConfigPage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background:transparent;"));
}

void ConfigPage::collectInto(ConfigData &, int) const { }

void ConfigPage::relayout() { }

void ConfigPage::retranslate() { }
