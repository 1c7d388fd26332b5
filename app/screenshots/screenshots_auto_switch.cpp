#include "app/screenshots/screenshots_auto_switch.h"

#include "app/auto_switch_dialog.h"
#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"

#include <memory>

namespace {

const char kAvailableFile[] = "dialog_auto_switch.png";
const char kUnavailableFile[] = "dialog_auto_switch_unavailable.png";

// Shown, not stored: the pictures leave the data folder's rules alone.
AppSwitchRules exampleRules()
{
    AppSwitchRules rules;
    rules.enabled = true;
    rules.defaultSlot = 1;
    rules.rules = {{"steam_app_730", 3}, {"blender", 2}};
    return rules;
}

} // namespace

void renderAutoSwitchScreenshots(ScreenshotSession &shots)
{
    const struct {
        bool available;
        FocusUnavailable why;
        const char *file;
    } cases[] = {{true, FocusUnavailable::None, kAvailableFile},
                 {false, FocusUnavailable::Wayland, kUnavailableFile}};
    for (const auto &shot : cases) {
        auto dialog = std::make_unique<AutoSwitchDialog>(shot.available, shot.why, &shots.window());
        dialog->setRules(exampleRules());
        dialog->setRunningApps({"blender", "firefox", "steam"});
        shots.save(shots.dialogOverWindow(dialog.get()), shot.file);
    }
}

QStringList autoSwitchScreenshotFileNames() { return {kAvailableFile, kUnavailableFile}; }
