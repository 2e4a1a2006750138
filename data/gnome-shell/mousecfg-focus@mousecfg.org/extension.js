// Tells mousecfg which window has the focus: its class, application id and process id, sent to
// mousecfg's own bus name whenever the focus moves and when mousecfg appears on the bus.
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Shell from 'gi://Shell';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BusName = 'org.mousecfg.mousecfg';
const ObjectPath = '/org/mousecfg/ActiveWindow';
const InterfaceName = 'org.mousecfg.ActiveWindow';

// The desktop entry id of the window's program without ".desktop"; empty for windows the shell
// matched to no entry (their made-up ids start with "window:").
function applicationId(window) {
    const app = Shell.WindowTracker.get_default().get_window_app(window);
    const id = app ? app.get_id() : null;
    if (!id || !id.endsWith('.desktop'))
        return '';
    return id.slice(0, -'.desktop'.length);
}

// Class, application id and process id of `window`, as strings; all empty for no window.
function describe(window) {
    if (!window)
        return ['', '', ''];
    const pid = window.get_pid();
    return [window.get_wm_class() ?? '', applicationId(window), pid > 0 ? String(pid) : ''];
}

export default class FocusExtension extends Extension {
    enable() {
        this._present = false;
        this._focusId = global.display.connect('notify::focus-window', () => this._report());
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, BusName, Gio.BusNameWatcherFlags.NONE,
            () => {
                this._present = true;
                this._report();
            },
            () => {
                this._present = false;
            });
    }

    disable() {
        global.display.disconnect(this._focusId);
        Gio.bus_unwatch_name(this._watchId);
        this._focusId = 0;
        this._watchId = 0;
        this._present = false;
    }

    _report() {
        // Nobody to tell: no call leaves the shell while mousecfg is not running.
        if (!this._present)
            return;
        const args = new GLib.Variant('(sss)', describe(global.display.focus_window));
        Gio.DBus.session.call(BusName, ObjectPath, InterfaceName, 'windowActivated', args, null,
            Gio.DBusCallFlags.NO_AUTO_START, -1, null, (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    // mousecfg ended meanwhile, or does not follow windows now.
                }
            });
    }
}
