#pragma once

class QWidget;

// The notices of the macro editor, all through the program's message boxes.
namespace MacroNotices {

// The macro list is full ("WARNING").
void tooManyMacros(QWidget *parent);
// A macro of that name exists ("Warning").
void macroExists(QWidget *parent);
// The name cannot name a file in the macro folder.
void unusableName(QWidget *parent);
// An insert would make the macro longer than a button holds.
void macroFull(QWidget *parent);
// A file could not be read or written.
void copyFailed(QWidget *parent);
// A recorded key was pressed and not released.
void stuckKeys(QWidget *parent);
// The gun set has no file name.
void missingFileName(QWidget *parent);

} // namespace MacroNotices
