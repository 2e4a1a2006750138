#include "ui/pages/ConfigPage.h"

const QString ConfigPage::BaseStyleSheet = QStringLiteral("* { background: transparent; }");

ConfigPage::ConfigPage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(BaseStyleSheet);
}

void ConfigPage::collectInto(ConfigData &, int) const { }

void ConfigPage::relayout() { }

void ConfigPage::retranslate() { }
