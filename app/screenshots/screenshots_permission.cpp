#include "app/screenshots/screenshots_permission.h"

#include "app/mousecfg_widget.h"
#include "app/permission_notice.h"
#include "app/screenshots/screenshot_session.h"

#include <memory>

const char kPermissionScreenshotFile[] = "dialog_permission.png";

void renderPermissionScreenshots(ScreenshotSession &shots)
{
    // The most common case, as the check finds it: the receiver's node is root's alone.
    DoctorFacts facts;
    facts.user.uid = 1000;
    facts.user.name = "user";
    facts.user.self = false;
    facts.hidrawClass = true;
    facts.ruleFolder = "/etc/udev/rules.d";
    HidrawNodeFacts node;
    node.name = "hidraw3";
    node.devPath = "/dev/hidraw3";
    node.productId = 0xFA02;
    node.descriptorRead = true;
    node.collections = {{1, 0x01, 0x02, {1}}, {2, 0x01, 0x06, {2}}, {3, 0x0C, 0x01, {3}}, {4, 0xFF00, 0x01, {5}}};
    node.nodeExists = true;
    node.mode = 0600;
    facts.nodes.push_back(node);

    auto notice = std::make_unique<PermissionNotice>(&shots.window());
    notice->showReport(diagnose(facts));
    shots.save(shots.dialogOverWindow(notice.get()), kPermissionScreenshotFile);
}
