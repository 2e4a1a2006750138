#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The one place where the windows ask the user something modal: message boxes and file dialogs.
// Tests install their own answers instead of real dialogs.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;
    // Runs a TarnMessageBox (button mode, title, text, icon kind) and returns its QDialog result.
    // With `waitForMouse` the box accepts itself once a mouse is connected.
    virtual int messageBox(int buttonMode, const QString &title, const QString &text, int iconKind,
                           QWidget *parent, bool waitForMouse = false)
        = 0;
    // A file name to write, or an empty string when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    // An existing file to read, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter)
        = 0;
    // Existing files to read (several may be chosen), or an empty list when the user cancelled.
    virtual QStringList openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                      const QString &filter);
    // An existing folder, or an empty string when the user cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &caption, const QString &dir);
};

// The prompts in use: real dialogs unless a test installed others.
UserPrompts &Prompts();
// Installs `prompts` (not owned); nullptr restores the real dialogs.
void SetPrompts(UserPrompts *prompts);

// A one-button notice with the warning icon, through Prompts().
int ShowWarning(const QString &title, const QString &text, QWidget *parent);
// A yes/no question with the warning icon; true when answered "Yes".
bool AskQuestion(const QString &title, const QString &text, QWidget *parent);
