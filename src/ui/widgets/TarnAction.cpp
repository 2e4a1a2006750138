#include "ui/widgets/TarnAction.h"

TarnAction::TarnAction(const QString &text, int value, QObject *parent)
    : QAction(text, parent)
    , m_value(value)
{ }
