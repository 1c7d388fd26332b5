// Tells the mousecfg window which window is in front: on Wayland only the compositor knows.
// The window loads this script through KWin's scripting interface while it runs and unloads it
// when it quits. Works with the Plasma 5 (client*) and Plasma 6 (window*) names.

const service = "io.github.mousecfg.mousecfg";
const path = "/io/github/mousecfg/mousecfg";
const iface = "io.github.mousecfg.mousecfg.Mouse";

// Plasma 5 hands the class out as a QByteArray, which arrives here as an ArrayBuffer.
function text(value) {
    if (value === undefined || value === null)
        return "";
    if (typeof value === "string")
        return value;
    if (value instanceof ArrayBuffer)
        return String.fromCharCode.apply(null, new Uint8Array(value));
    return String(value);
}

function report(window) {
    if (!window) {
        callDBus(service, path, iface, "ReportFocus", "", "", 0);
        return;
    }
    // The pid is passed on untouched: arithmetic could make it a double, which D-Bus sends as
    // a type the method does not take.
    const pid = window.pid > 0 ? window.pid : 0;
    callDBus(service, path, iface, "ReportFocus", text(window.resourceClass), text(window.resourceName), pid);
}

if (workspace.windowActivated !== undefined) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
}
