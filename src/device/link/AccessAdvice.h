#pragma once

#include <QCoreApplication>
#include <QStringList>

// What to tell a user whose mouse is plugged in but whose hidraw nodes they may not open: the udev
// rule that gives the user at the seat access, and the commands that install it. The window's box,
// `mousecfg-cli status` and `mousecfg-cli doctor` say the same.
class AccessAdvice
{
    Q_DECLARE_TR_FUNCTIONS(AccessAdvice)

public:
    // The rule's file name, as the package installs it below /usr/lib/udev/rules.d.
    static QString ruleFileName();
    // The folders udev reads rules from, in its own order of precedence.
    static QStringList ruleFolders();
    // The installed rule file that udev uses, or empty when none of the folders holds it.
    static QString installedRulePath();
    // The shell commands that install the rule from the source folder and apply it.
    static QStringList installCommands();
    // One sentence: the mouse is there, `nodes` may not be opened.
    static QString problem(const QStringList &nodes);
    // The whole explanation, several lines: problem, rule, commands, re-plug.
    static QString explanation(const QStringList &nodes);
    // The same for a narrow box: each command broken over two lines with a shell continuation, so
    // that it still reads as a command instead of wrapping at a slash.
    static QString explanationForBox(const QStringList &nodes);
};
