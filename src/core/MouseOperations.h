#pragma once

#include "core/OperationResult.h"

#include <functional>

class MouseSession;
class TarnProcessThread;
struct ConfigData;

// What the window and the command-line tool send to the mouse of a session: a switch of slot, and an
// upload that is waited for. The status thread, when one runs, is paused around what is written.
// Reports the mouse left unanswered count as sent; such a success is marked `unconfirmed`, and the
// mark is kept in the settings until the next transfer (UploadUnconfirmed).
class MouseOperations
{
public:
    // Waits, with the event loop running, until a started upload thread has finished its run.
    using UploadWaiter = std::function<void(TarnProcessThread &thread)>;

    // Tells the mouse to switch to slot `slot` (0 to 4); the apply frames after it tell whether it
    // took the switch. The slot is not stored.
    static OperationResult selectSlot(MouseSession &session, int slot);
    // Switches the mouse to `slot` (0 to 4) of `config`; when that slot holds settings the mouse has
    // not received, uploads the slot in full afterwards (waited for as upload() does).
    static OperationResult switchSlot(MouseSession &session, const ConfigData &config, int slot,
                                      const UploadWaiter &waiter = {});
    // Uploads `config` and waits for the result through `waiter` (an empty one waits in an event loop);
    // `sendEverything` sends every group whatever changed. A settings file the upload could not write
    // is the result's `path` (with the mouse's own result in `device`).
    static OperationResult upload(MouseSession &session, const ConfigData &config, bool sendEverything,
                                  const UploadWaiter &waiter = {});
};
