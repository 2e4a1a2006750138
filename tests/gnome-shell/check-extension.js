// Loads both forms of the GNOME Shell extension into gjs with stand-ins for the shell's modules, and
// checks what each sends to the window program as the focus moves.
// Usage: gjs -m check-extension.js <folder holding the extensions' folders>
import GLib from 'gi://GLib';
import System from 'system';

const [root] = ARGV;
const failures = [];
let checks = 0;

function expect(condition, what) {
    checks++;
    if (!condition)
        failures.push(what);
}

function sameList(a, b) {
    return JSON.stringify(a) === JSON.stringify(b);
}

// The shell's side: the display, the name watch, the bus calls and the window tracker.
function makeShell() {
    const shell = {calls: [], focusHandlers: new Map(), nextId: 1, watches: new Map(), unwatched: []};
    shell.display = {
        focus_window: null,
        connect(signal, handler) {
            const id = shell.nextId++;
            if (signal === 'notify::focus-window')
                shell.focusHandlers.set(id, handler);
            return id;
        },
        disconnect(id) {
            shell.focusHandlers.delete(id);
        },
    };
    shell.focus = window => {
        shell.display.focus_window = window;
        for (const handler of shell.focusHandlers.values())
            handler();
    };
    shell.Gio = {
        BusType: {SESSION: 2},
        BusNameWatcherFlags: {NONE: 0},
        DBusCallFlags: {NO_AUTO_START: 1},
        bus_watch_name(type, name, flags, appeared, vanished) {
            const id = shell.nextId++;
            shell.watches.set(id, {name, appeared, vanished});
            return id;
        },
        bus_unwatch_name(id) {
            shell.unwatched.push(id);
            shell.watches.delete(id);
        },
        DBus: {
            session: {
                call(name, path, iface, method, args, replyType, flags, timeout, cancellable, callback) {
                    shell.calls.push({name, path, iface, method, args: args.deepUnpack()});
                    callback({call_finish() { throw new Error('no such object'); }}, null);
                },
            },
        },
    };
    shell.Shell = {
        WindowTracker: {
            get_default: () => ({
                get_window_app: window => window.appId === null ? null : {get_id: () => window.appId},
            }),
        },
    };
    shell.appear = () => {
        for (const watch of shell.watches.values())
            watch.appeared(null, watch.name, ':1.42');
    };
    shell.vanish = () => {
        for (const watch of shell.watches.values())
            watch.vanished(null, watch.name);
    };
    return shell;
}

function window(wmClass, appId, pid) {
    return {appId, get_wm_class: () => wmClass, get_pid: () => pid};
}

function exercise(form, extension, shell) {
    extension.enable();
    expect(shell.focusHandlers.size === 1, `${form}: watches the focus`);
    expect([...shell.watches.values()].every(w => w.name === 'org.mousecfg.mousecfg'), `${form}: watches mousecfg's name`);
    shell.focus(window('Racer', 'org.example.Racer.desktop', 4242));
    expect(shell.calls.length === 0, `${form}: no call while mousecfg is not on the bus`);
    shell.appear();
    expect(shell.calls.length === 1, `${form}: tells the window in front when mousecfg comes`);
    const call = shell.calls[0] ?? {};
    expect(call.name === 'org.mousecfg.mousecfg' && call.path === '/org/mousecfg/ActiveWindow' &&
        call.iface === 'org.mousecfg.ActiveWindow' && call.method === 'windowActivated',
    `${form}: calls windowActivated on mousecfg's object (${JSON.stringify(call)})`);
    expect(sameList(call.args, ['Racer', 'org.example.Racer', '4242']), `${form}: class, app id, pid (${JSON.stringify(call.args)})`);
    const steps = [
        [window('notes', 'window:7', 17), ['notes', '', '17']],
        [window(null, null, -1), ['', '', '']],
        [null, ['', '', '']],
    ];
    for (const [focused, expected] of steps) {
        shell.calls = [];
        shell.focus(focused);
        expect(shell.calls.length === 1 && sameList(shell.calls[0].args, expected),
            `${form}: focus ${JSON.stringify(expected)} sent as ${JSON.stringify(shell.calls.map(c => c.args))}`);
    }
    shell.vanish();
    shell.calls = [];
    shell.focus(window('Racer', 'org.example.Racer.desktop', 4242));
    expect(shell.calls.length === 0, `${form}: silent once mousecfg has gone`);
    extension.disable();
    expect(shell.focusHandlers.size === 0 && shell.watches.size === 0, `${form}: disable leaves nothing connected`);
}

function readText(path) {
    const [, bytes] = GLib.file_get_contents(path);
    return new TextDecoder().decode(bytes);
}

// 43 and 44: a script that gets the shell's modules through `imports`.
{
    const shell = makeShell();
    globalThis.global = {display: shell.display};
    const text = readText(`${root}/mousecfg-focus-legacy@mousecfg.org/extension.js`);
    // eslint-disable-next-line no-new-func
    const init = new Function('imports', `${text}\nreturn init;`)({gi: {Gio: shell.Gio, GLib, Shell: shell.Shell}});
    exercise('43/44 form', init(), shell);
}

// 45 and later: a module; its shell imports lead to stand-ins beside a copy of it.
{
    const shell = makeShell();
    globalThis.global = {display: shell.display};
    globalThis.mousecfgStandIns = shell;
    const folder = GLib.dir_make_tmp('mousecfg-extension-XXXXXX');
    const stubs = {
        'gi://Gio': 'export default globalThis.mousecfgStandIns.Gio;',
        'gi://Shell': 'export default globalThis.mousecfgStandIns.Shell;',
        'resource:///org/gnome/shell/extensions/extension.js':
            'export class Extension { constructor(metadata) { this.metadata = metadata; } }',
    };
    let text = readText(`${root}/mousecfg-focus@mousecfg.org/extension.js`);
    let index = 0;
    for (const [specifier, body] of Object.entries(stubs)) {
        const file = `stub${index++}.js`;
        GLib.file_set_contents(`${folder}/${file}`, body);
        expect(text.includes(`'${specifier}'`), `45+ form: imports ${specifier}`);
        text = text.replace(`'${specifier}'`, `'./${file}'`);
    }
    GLib.file_set_contents(`${folder}/extension.js`, text);
    const module = await import(`file://${folder}/extension.js`);
    const metadata = JSON.parse(readText(`${root}/mousecfg-focus@mousecfg.org/metadata.json`));
    exercise('45+ form', new module.default(metadata), shell);
    for (const name of ['extension.js', 'stub0.js', 'stub1.js', 'stub2.js'])
        GLib.unlink(`${folder}/${name}`);
    GLib.rmdir(folder);
}

for (const failure of failures)
    print(`FAIL: ${failure}`);
print(`${checks - failures.length} passed, ${failures.length} failed`);
System.exit(failures.length === 0 ? 0 : 1);
