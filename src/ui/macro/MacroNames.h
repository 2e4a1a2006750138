#pragma once

#include <QString>

// Names of macros and gun sets: what can name a macro file, and how a taken name is made free.

// Longest name the editor accepts.
constexpr int MaxMacroNameLength = 100;

// True when `name` can name a macro file inside the macro folder (not empty, not "." or "..",
// no "/", "\" or NUL, at most MaxMacroNameLength characters).
bool UsableMacroName(const QString &name);
// True when a macro file of that name exists or the macro list holds it.
bool MacroNameTaken(const QString &name);
// `wanted` when it is free, else `wanted` + "_2", "_3", ... the first that is free.
QString FreeMacroName(const QString &wanted);
