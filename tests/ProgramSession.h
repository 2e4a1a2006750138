#pragma once

#include "device/session/MouseSession.h"
#include "platform/DeviceNoticeSource.h"
#include "ui/main/MousecfgWidget.h"
#include "virtualmouse/HidBackendSelection.h"

// The mouse as the window program's main sets it up: the backend MOUSECFG_VIRTUAL_MOUSE asks for (read
// when this object is made) and a session with its status thread. Outlives the window it makes.
class ProgramSession
{
public:
    ProgramSession()
        : m_choice(chooseHidBackend())
        , session(m_choice.backend, MouseSession::WithStatusThread)
    { }
    // Notices no window took over go here; no handle of theirs is open then.
    ~ProgramSession() { delete m_choice.notices; }
    ProgramSession(const ProgramSession &) = delete;
    ProgramSession &operator=(const ProgramSession &) = delete;

    // The notices for the one window on this session, which takes them (and a virtual mouse) over.
    DeviceNoticeSource *takeNotices()
    {
        DeviceNoticeSource *notices = m_choice.notices;
        m_choice.notices = nullptr;
        return notices;
    }
    // The window on this session.
    MousecfgWidget *newWindow() { return new MousecfgWidget(session, takeNotices()); }

private:
    HidBackendChoice m_choice;

public:
    MouseSession session;
};
