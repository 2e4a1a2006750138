#include "ui/macro/MacroEventText.h"

#include "storage/KeyTable.h"
#include "ui/widgets/ShownKeyNames.h"

#include <QCoreApplication>

namespace {

const char *const Context = "MacroDialog";

const char *const ButtonNames[MacroEvents::ButtonCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK"),  QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK"),
    QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK"), QT_TRANSLATE_NOOP("MacroDialog", "FORWARD"),
    QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD"),
};

const char *const DirectionNames[MacroEvents::DirectionCount] = {
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE LEFT"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE RIGHT"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"),
    QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"),
};

} // namespace

QString MacroButtonName(MacroEvents::Button button)
{
    return QCoreApplication::translate(Context,
                                       ButtonNames[qBound(0, int(button), MacroEvents::ButtonCount - 1)]);
}

QString MacroDirectionName(MacroEvents::Direction direction)
{
    return QCoreApplication::translate(
        Context, DirectionNames[qBound(0, int(direction), MacroEvents::DirectionCount - 1)]);
}

QString MacroDelayText(int units, int unit)
{
    return QCoreApplication::translate("MacroDialog", "%1 ms").arg(qint64(units) * unit);
}

MacroEventText DescribeMacroEvent(const MacroEvent &event, int unit)
{
    using namespace MacroEvents;
    MacroEventText text;
    const bool press = isPress(event);
    switch (kind(event)) {
    case KeyKind: {
        quint8 code = 0;
        text.key = UsageToKeyCode(event.L, code) ? ShownKeyName(code) : QString::number(event.L);
        text.keyIcon = MacroEventText::KeyboardIcon;
        break;
    }
    case ButtonKind: {
        Button which;
        if (buttonOfBit(event.L, which))
            text.key = MacroButtonName(which);
        text.keyIcon = MacroEventText::MouseIcon;
        break;
    }
    case MoveKind: {
        Direction direction;
        int distance = 0;
        if (moveOf(event, direction, distance)) {
            text.key = MacroDirectionName(direction);
            text.action = QString::number(distance);
        }
        text.keyIcon = MacroEventText::MouseIcon;
        return text;
    }
    case DelayKind:
        text.delay = MacroDelayText(delayUnits(event), unit);
        return text;
    default:
        return text;
    }
    text.action = press ? QCoreApplication::translate("MacroDialog", "Press")
                        : QCoreApplication::translate("MacroDialog", "Release");
    text.actionIcon = press ? MacroEventText::PressIcon : MacroEventText::ReleaseIcon;
    return text;
}
