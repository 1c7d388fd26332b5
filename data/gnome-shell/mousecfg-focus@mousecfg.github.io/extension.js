// Tells the mousecfg window which window is in front: on Wayland only the compositor knows.
// Calls go out only while the window holds its bus name; when it appears it hears at once.

import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const BUS_NAME = 'io.github.mousecfg.mousecfg';
const OBJECT_PATH = '/io/github/mousecfg/mousecfg';
const INTERFACE = 'io.github.mousecfg.mousecfg.Mouse';

export default class MousecfgFocusExtension extends Extension {
    enable() {
        this._present = false;
        this._focusHandler = global.display.connect('notify::focus-window', () => this._report());
        this._watch = Gio.bus_watch_name(Gio.BusType.SESSION, BUS_NAME, Gio.BusNameWatcherFlags.NONE,
            () => {
                this._present = true;
                this._report();
            },
            () => {
                this._present = false;
            });
    }

    disable() {
        global.display.disconnect(this._focusHandler);
        Gio.bus_unwatch_name(this._watch);
        this._focusHandler = 0;
        this._watch = 0;
        this._present = false;
    }

    _report() {
        if (!this._present)
            return;
        const win = global.display.focus_window;
        const pid = win ? win.get_pid() : 0;
        const args = win
            ? [win.get_wm_class() ?? '', win.get_wm_class_instance() ?? '', pid > 0 ? pid : 0]
            : ['', '', 0];
        Gio.DBus.session.call(BUS_NAME, OBJECT_PATH, INTERFACE, 'ReportFocus',
            new GLib.Variant('(ssi)', args), null, Gio.DBusCallFlags.NO_AUTO_START, -1, null,
            (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    // The window quit between the call and the answer: nothing to do.
                }
            });
    }
}
