#pragma once

#include "storage/ConfigData.h"

#include <QString>

// Macro and gun files: Configs/MacroDB/<name>.MSMACRO, all keys in section "Setting".
// Names that are not plain file names are refused: such a macro reads as empty and is never written.

// The settings and events of one macro file, as the macro editor shows them.
struct MacroFileData
{
    int defaultDelay = 0; // "Setting/DefaultDelay", milliseconds
    int delayType = 0; // "Setting/DelayType": 0 none, 1 measured, 2 the default delay
    int loopType = 0; // "Setting/LoopType": 0 none, 1..3 the editor's loop options
    int loopTime = 0; // "Setting/LoopTime"
    int count = 0; // number of events, 0..KeyInfoSlots
    MacroEvent events[KeyInfoSlots];
};

// The file of macro `name`.
QString MacroFilePath(const QString &name);
// True when `name` is a plain file name and its macro file exists.
bool MacroFileExists(const QString &name);
// Writes the editor's macro and sets its changed mark; false when refused or not written.
bool SaveMacroFile(const QString &name, const MacroFileData &data);
// Writes a gun file: fixed settings (delay 10 measured, no loop, loop time 1), no changed mark.
bool SaveGunFile(const QString &name, const MacroEvent *events, int count);
// Reads a macro file; missing values read 0 and the event count is cut to 0..KeyInfoSlots.
MacroFileData LoadMacroFile(const QString &name);
// The events of macro `name` for a button record: `count` (0..KeyInfoSlots) entries are set.
void ReadMacroEvents(const QString &name, MacroEvent events[KeyInfoSlots], int &count);
// "Setting/WriteSign": true when the macro was saved since the mouse last received it.
bool MacroChanged(const QString &name);
// Clears "Setting/WriteSign" of an existing macro file; false when it could not be written.
bool ClearMacroChanged(const QString &name);
