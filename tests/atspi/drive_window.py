#!/usr/bin/python3
"""Reads and works the mousecfg window as a screen reader does: through AT-SPI only.

Run by test_atspi_x11 inside tests/atspi/session.sh, while the test hosts the window. Prints one
line per failure and exits non-zero when there was any; --dump prints the tree instead.
"""
import argparse
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FAILURES = []

# The four tabs, each with a control that only its page shows.
TABS = [
    ("LIGHTING", None),
    ("CUSTOMIZE", "Button 4"),
    ("DPI", "DPI 1"),
    ("MACRO", None),
]

# The Tab order round the window: header, tabs, profile bar, the page, footer; each page's own part.
HEADER = ["Language: English", "Minimise", "Close", "V1.0.3", "Firmware Update"]
PROFILE_BAR = ["Profile 1", "NAME", "Stored profiles", "ADD", "COPY", "DELETE", "RESET", "Reset All",
               "Load Profile File", "Save Profile File", "APPLICATIONS", "LOAD1", "SAVE"]
FOOTER = ["Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "OK", "Cancel", "Apply"]
PAGES = {
    "LIGHTING": ["EFFECT: OFF", "SLEEP TIME", "MOVE TO LIGHT OFF"],
    # The picture's callouts, then the list of buttons in its two columns, row by row.
    "CUSTOMIZE": ["Front", "Side", "Button 1", "Button 2", "Button 3", "Button 4", "Button 5",
                  "Button 7", "Button 6", "Wheel up", "Wheel down",
                  "Button 1", "Button 2", "Button 3", "WHEEL UP", "Button 4", "WHEEL DOWN",
                  "Button 5", "Button 6", "Button 7"],
    # The six stages, then the performance settings and the polling rate.
    "DPI": [name for stage in range(1, 7) for name in (
                "Enable DPI %d" % stage, "DPI %d" % stage, "Link XY", "DPI %d X" % stage,
                "DPI %d Y" % stage)]
           + ["Enable sync", "Key Response", "Angle Snapping", "Scroll Speed", "Jitter",
              "Motion Wake", "1mm", "Eco", "Mouse Setting", "REPORT RATE: ", "1 mm"],
    # Without a macro chosen, the editor's controls are disabled and out of the order.
    "MACRO": ["MACRO LIST", "GUN SET", "NEW", "IMPORT", "BATCH", "MOUSE ACTION"],
}
TAB_NAMES = [tab for tab, _ in TABS]


def expected_tab_order(tab):
    """From `tab` (the focus) round to the tab before it."""
    at = TAB_NAMES.index(tab)
    return TAB_NAMES[at:] + PROFILE_BAR + PAGES[tab] + FOOTER + HEADER + TAB_NAMES[:at]


def fail(message):
    FAILURES.append(message)
    print("FAIL: " + message, flush=True)


def wait_for(predicate, timeout=20.0, step=0.1):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = predicate()
        except Exception:  # objects vanish while pages switch
            value = None
        if value:
            return value
        time.sleep(step)
    return None


def states(obj):
    return obj.getState()


def walk(obj, showing_only=True):
    """Every object below obj (obj included), skipping subtrees that are not showing."""
    stack = [obj]
    while stack:
        current = stack.pop()
        if current is None:
            continue
        try:
            if showing_only and current.getRole() != pyatspi.ROLE_APPLICATION \
                    and not states(current).contains(pyatspi.STATE_SHOWING):
                continue
            yield current
            count = current.childCount
        except Exception:
            continue
        for i in reversed(range(count)):
            try:
                stack.append(current.getChildAtIndex(i))
            except Exception:
                pass


def find_app(pid):
    def lookup():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        return None
    return wait_for(lookup, timeout=30)


def named(root, name, role=None):
    for obj in walk(root):
        try:
            if obj.name == name and (role is None or obj.getRole() == role):
                return obj
        except Exception:
            pass
    return None


def starting(root, prefix, role=None):
    for obj in walk(root):
        try:
            if obj.name.startswith(prefix) and (role is None or obj.getRole() == role):
                return obj
        except Exception:
            pass
    return None


def press(obj, action_name="Press"):
    """Runs obj's action of that name; a modal dialog may hold the answer back, which is fine."""
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == action_name:
            try:
                action.doAction(i)
            except Exception:
                pass
            return True
    fail("%s %r has no %s action (has %s)" % (obj.getRoleName(), obj.name, action_name,
                                              [action.getName(i) for i in range(action.nActions)]))
    return False


def action_names(obj):
    try:
        action = obj.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []


def frame_of(app):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.getRole() == pyatspi.ROLE_FRAME:
            return child
    return None


# Items of lists and tables: reached with the arrow keys inside their view, not with Tab.
ITEM_ROLES = (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TREE_ITEM)


def menu_under(button):
    """The open menu of a menu button, which the tree keeps under it."""
    button.clear_cache()
    for i in range(button.childCount):
        child = button.getChildAtIndex(i)
        if child is not None and child.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU):
            return child
    return None


def check_focusables(frame, page):
    for obj in walk(frame):
        s = states(obj)
        if not s.contains(pyatspi.STATE_FOCUSABLE) or not s.contains(pyatspi.STATE_ENABLED) \
                or obj is frame or obj.getRole() in ITEM_ROLES:
            continue
        role = obj.getRole()
        where = "%s: %s %r" % (page, obj.getRoleName(), obj.name)
        if not obj.name:
            fail(where + " has no name")
        if role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL):
            fail(where + " has the role of a " + obj.getRoleName())
        if not action_names(obj):
            fail(where + " has no action")


class FocusWatch:
    """The object that last gained the focus, from the focus events the reader hears."""

    def __init__(self):
        self.last = None
        pyatspi.Registry.registerEventListener(self.on_event, "object:state-changed:focused")

    def on_event(self, event):
        if event.detail1:
            self.last = event.source

    def pump(self):
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)

    def next_focus(self, previous, timeout=5.0):
        """Waits for the focus to move off `previous`; None when it does not."""
        end = time.time() + timeout
        while time.time() < end:
            self.pump()
            if self.last is not None and self.last != previous:
                return self.last
            time.sleep(0.02)
        return None


WATCH = None


def focused(frame):
    for obj in walk(frame):
        if states(obj).contains(pyatspi.STATE_FOCUSED) and obj is not frame:
            return obj
    return None


def tab_order(frame, first):
    """Names met pressing Tab from `first` until the focus comes back to it."""
    names = [first.name]
    current = first
    WATCH.pump()
    WATCH.last = first
    for _ in range(80):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        obj = WATCH.next_focus(current)
        if obj is None:
            names.append("<focus stays on %s>" % current.name)
            break
        if obj == first:
            break
        names.append(obj.name)
        current = obj
    return names


def dump(frame):
    for obj in walk(frame):
        s = states(obj)
        print("%-14s %-40r focusable=%d focused=%d actions=%s" % (
            obj.getRoleName(), obj.name, s.contains(pyatspi.STATE_FOCUSABLE),
            s.contains(pyatspi.STATE_FOCUSED), action_names(obj)))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--product", required=True)
    parser.add_argument("--trace", required=True)
    parser.add_argument("--dump", action="store_true")
    args = parser.parse_args()

    global WATCH
    WATCH = FocusWatch()
    app = find_app(args.pid)
    if app is None:
        print("FAIL: the program never appeared on the accessibility bus")
        return 1
    frame = wait_for(lambda: frame_of(app))
    if frame is None:
        print("FAIL: the window is not a frame: %s" % [app.getChildAtIndex(i).getRoleName()
                                                       for i in range(app.childCount)])
        return 1
    if frame.name != args.product:
        fail("the frame is named %r, not %r" % (frame.name, args.product))

    if args.dump:
        for tab, _ in TABS:
            press(named(frame, tab, pyatspi.ROLE_PAGE_TAB))
            time.sleep(1.5)
            print("=== " + tab)
            dump(frame)
            print("--- Tab order")
            obj = named(frame, tab, pyatspi.ROLE_PAGE_TAB)
            obj.queryComponent().grabFocus()
            wait_for(lambda: states(obj).contains(pyatspi.STATE_FOCUSED))
            print(tab_order(frame, obj))
        return 0

    # The first focus is the active tab.
    first = wait_for(lambda: focused(frame))
    if first is None or first.getRole() != pyatspi.ROLE_PAGE_TAB:
        fail("the first focus is %r, not the active tab" % (first.name if first else None))

    # Every tab switches its page through its action, and is the only one selected.
    for tab, marker in TABS:
        obj = named(frame, tab, pyatspi.ROLE_PAGE_TAB)
        if obj is None:
            fail("no page tab %r" % tab)
            continue
        press(obj)
        if not wait_for(lambda: states(obj).contains(pyatspi.STATE_SELECTED)):
            fail("tab %r is not selected after its action" % tab)
        others = [t for t, _ in TABS if t != tab
                  and states(named(frame, t, pyatspi.ROLE_PAGE_TAB)).contains(pyatspi.STATE_SELECTED)]
        if others:
            fail("after %r, also selected: %s" % (tab, others))
        if marker and not wait_for(lambda: starting(frame, marker)):
            fail("page of %r does not show %r" % (tab, marker))
        check_focusables(frame, tab)
        if tab in PAGES:
            obj.queryComponent().grabFocus()
            wait_for(lambda: states(obj).contains(pyatspi.STATE_FOCUSED))
            order = tab_order(frame, obj)
            expected = expected_tab_order(tab)
            if order != expected:
                fail("Tab order on %s:\n  got      %s\n  expected %s" % (tab, order, expected))

    # A page's menu button opens its menu through its action; the menu is named after the button.
    press(named(frame, "LIGHTING", pyatspi.ROLE_PAGE_TAB))
    effect = wait_for(lambda: starting(frame, "EFFECT:"))
    if effect is None:
        fail("no 'EFFECT:' menu button on LIGHTING")
    else:
        press(effect, action_names(effect)[0])
        menu = wait_for(lambda: menu_under(effect))
        if menu is None or menu.name != effect.name:
            fail("the effect menu is %r under %r" % (menu.name if menu else None, effect.name))
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        wait_for(lambda: menu_under(effect) is None)

    # A slot indicator's action selects that slot, as a click does.
    slot = named(frame, "Profile 2", pyatspi.ROLE_RADIO_BUTTON)
    if slot is None:
        fail("no radio button 'Profile 2'")
    else:
        press(slot)
        if not wait_for(lambda: states(slot).contains(pyatspi.STATE_CHECKED)):
            fail("'Profile 2' is not checked after its action")
        checked = [i for i in range(1, 6) if states(
            named(frame, "Profile %d" % i, pyatspi.ROLE_RADIO_BUTTON)).contains(pyatspi.STATE_CHECKED)]
        if checked != [2]:
            fail("checked slots after selecting 'Profile 2': %s" % checked)

        def selected_in_trace():
            with open(args.trace) as trace:
                for line in trace:
                    direction, _, data = line.strip().partition(" ")
                    frame_bytes = bytes.fromhex(data)
                    if direction == "W" and len(frame_bytes) > 4 and frame_bytes[3] == 0x44 \
                            and frame_bytes[4] == 1:
                        return True
            return False
        if not wait_for(selected_in_trace):
            fail("the mouse was never told to select slot 2")

    # A key captured in the Single Key dialog is read back by name.
    press(named(frame, "CUSTOMIZE", pyatspi.ROLE_PAGE_TAB))
    # The list's button (after the picture's callout of the same name) is the one with the menu.
    button = wait_for(lambda: [o for o in walk(frame) if o.name.startswith("Button 4")
                               and o.getRole() == pyatspi.ROLE_PUSH_BUTTON][-1])
    if button is None:
        fail("no 'Button 4' on CUSTOMIZE")
    else:
        press(button)
        menu = wait_for(lambda: menu_under(button))
        if menu is None:
            fail("the opened menu is not in the tree under %r (children: %s)" % (
                button.name, [button.getChildAtIndex(i).getRoleName() for i in range(button.childCount)]))
        else:
            if menu.name != button.name:
                fail("the opened menu is named %r, not after its button %r" % (menu.name, button.name))
            # The entry sits in a submenu: open it through its item's action, as a reader's user would.
            holder = next((item for item in walk(menu) if item.getRole() == pyatspi.ROLE_MENU_ITEM
                           and any(o.name == "SINGLE KEY" for o in walk(item, showing_only=False))), None)
            if holder is not None and not any(o.name == "SINGLE KEY" for o in walk(menu)):
                press(holder, action_names(holder)[0])
            single = wait_for(lambda: named(menu, "SINGLE KEY"))
            if single is None:
                fail("no 'SINGLE KEY' entry reachable in the menu (through %r)" % (holder.name if holder else None))
            else:
                press(single, action_names(single)[0])
                dialog = wait_for(lambda: next(
                    (app.getChildAtIndex(i) for i in range(app.childCount)
                     if app.getChildAtIndex(i).name == "Single Key"), None))
                if dialog is None:
                    fail("the Single Key dialog did not open")
                else:
                    wait_for(lambda: starting(dialog, "Captured key"))
                    time.sleep(0.5)
                    subprocess.run(["xdotool", "key", "b"], check=True)
                    if not wait_for(lambda: named(dialog, "Captured key: B")):
                        display = starting(dialog, "Captured key")
                        fail("the captured key reads %r" % (display.name if display else None))
                    check_focusables(dialog, "Single Key")
                    ok = named(dialog, "OK")
                    if ok is None:
                        fail("no OK in the dialog")
                    else:
                        press(ok)
                    if not wait_for(lambda: starting(frame, "Button 4: SINGLE KEY")):
                        fail("button 4 does not read SINGLE KEY after OK")

    return 1 if FAILURES else 0


if __name__ == "__main__":
    status = main()
    if status:
        # Close whatever menu or dialog a failure left open: its event loop holds the test's.
        for _ in range(3):
            subprocess.run(["xdotool", "key", "Escape"])
            time.sleep(0.3)
    sys.exit(status)
