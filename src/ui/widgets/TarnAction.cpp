#include "ui/widgets/TarnAction.h"

TarnAction::TarnAction(const QString &text, int index, QObject *parent)
    : QAction(text, parent)
    , m_index(index)
{ }
