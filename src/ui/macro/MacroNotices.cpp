#include "ui/macro/MacroNotices.h"

#include "ui/macro/MacroRowEditor.h"
#include "ui/widgets/UserPrompts.h"

#include <QCoreApplication>

namespace MacroNotices {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("MacroDialog", source);
}

void warn(const char *title, const char *message, QWidget *parent)
{
    ShowWarning(text(title), text(message), parent);
}

} // namespace

void tooManyMacros(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "WARNING"),
         QT_TRANSLATE_NOOP("MacroDialog", "TOO MANY MACROS TO BE CREATE!"), parent);
}

void macroExists(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "Warning"), QT_TRANSLATE_NOOP("MacroDialog", "Macro Exist!"),
         parent);
}

void unusableName(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "Warning"),
         QT_TRANSLATE_NOOP("MacroDialog", "THIS NAME CANNOT NAME A FILE: USE NO \"/\", \"\\\" OR \"..\"."),
         parent);
}

void macroFull(QWidget *parent)
{
    ShowWarning(text(QT_TRANSLATE_NOOP("MacroDialog", "Warning")),
                text(QT_TRANSLATE_NOOP("MacroDialog", "A MACRO HOLDS AT MOST %1 EVENTS."))
                    .arg(MacroRowEditor::MaxRows),
                parent);
}

void copyFailed(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "Warning"),
         QT_TRANSLATE_NOOP("MacroDialog", "THE MACRO FILE COULD NOT BE COPIED."), parent);
}

void stuckKeys(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "Warning"),
         QT_TRANSLATE_NOOP("MacroDialog", "ONE OR MORE KEYS HAS NOT BEEN RELEASED."), parent);
}

void missingFileName(QWidget *parent)
{
    warn(QT_TRANSLATE_NOOP("MacroDialog", "Warning"),
         QT_TRANSLATE_NOOP("MacroDialog", "Please input file name."), parent);
}

} // namespace MacroNotices
