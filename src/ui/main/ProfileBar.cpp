#include "ui/main/ProfileBar.h"

ProfileBar::ProfileBar(ProfileHost *host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("ProfileBar"));
}

void ProfileBar::refresh() { }

void ProfileBar::rebuildLibraryMenu() { }

void ProfileBar::selectSlot(int) { }

void ProfileBar::setControlsEnabled(bool enabled)
{
    setEnabled(enabled);
}

void ProfileBar::relayout() { }

void ProfileBar::retranslate() { }
