#include "app/screenshots/screenshots_profiles.h"

#include "app/apply_flow.h"
#include "app/mousecfg_widget.h"
#include "app/profile_manager.h"
#include "app/screenshots/screenshot_session.h"
#include "app/window_messages.h"
#include "device/download_worker.h"
#include "storage/data_paths.h"
#include "storage/storage_result.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_process_dialog.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_status_text.h"

#include <QAction>
#include <QMenu>
#include <QMovie>

namespace {

constexpr int kBottomBarTop = 575; // design units: where the battery and button bar begins

void saveBox(ScreenshotSession &shots, bool question, const QString &text, const QString &file)
{
    TarnMessageBox box(question ? TarnMessageBox::Question : TarnMessageBox::Notice, QString(),
                       MousecfgWidget::tr("Warning"), text, &shots.window());
    shots.save(shots.dialogOverWindow(&box), file);
}

const char *profileFile(ProfileMessage message)
{
    switch (message) {
    case ProfileMessage::KeepOne: return "notice_keep_one_profile.png";
    case ProfileMessage::Reserved: return "notice_reserved_profile.png";
    case ProfileMessage::InUse: return "notice_profile_in_use.png";
    case ProfileMessage::LibraryFull: return "notice_profile_list_full.png";
    case ProfileMessage::NoReplacement: return "notice_no_replacement.png";
    case ProfileMessage::ConfirmDelete: return "question_delete_profile.png";
    case ProfileMessage::ConfirmReset: return "question_reset_profile.png";
    case ProfileMessage::ConfirmResetAll: return "question_reset_all.png";
    }
    return "";
}

const char *windowFile(WindowMessage message)
{
    switch (message) {
    case WindowMessage::FirmwareCable: return "notice_firmware_cable.png";
    case WindowMessage::FirmwareQuestion: return "question_firmware.png";
    case WindowMessage::FirmwareMissing: return "notice_firmware_missing.png";
    case WindowMessage::OneClick: return "notice_one_click.png";
    }
    return "";
}

} // namespace

void renderProfileScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();

    TarnProcessDialog progress(&window, window.scaleFactor());
    progress.animation()->jumpToFrame(progress.animation()->frameCount() / 3);
    shots.save(shots.dialogOverWindow(&progress), "dialog_apply_progress.png");

    // The line above the bottom buttons: after an Apply that went well, in a window without its
    // model description, and on a desktop without a tray. What it showed before is shown again afterwards.
    TarnStatusText *status = window.statusText();
    const QString before = status->isHidden() ? QString() : status->text();
    const TarnStatusText::Kind beforeKind = status->kind();
    status->showText(ApplyFlow::confirmationText(), TarnStatusText::Confirmation);
    shots.saveWindow("status_apply_succeeded.png");
    status->showText(noModelDescriptionText(), TarnStatusText::Warning);
    shots.saveWindow("status_no_model_description.png");
    status->showText(noTrayText(), TarnStatusText::Warning);
    shots.saveWindow("status_no_tray.png");
    if (before.isEmpty())
        status->hide();
    else
        status->showText(before, beforeKind);

    for (ProfileMessage message : kProfileMessages)
        saveBox(shots, isProfileQuestion(message), profileMessage(message), profileFile(message));
    for (WindowMessage message : kWindowMessages)
        saveBox(shots, isWindowQuestion(message), windowMessage(message), windowFile(message));
    const std::pair<StorageResult, const char *> storage[] = {
        {StorageResult::BadName, "notice_bad_name.png"},
        {StorageResult::ProductMismatch, "notice_other_mouse_file.png"},
        {StorageResult::ProfileExists, "notice_profile_exists.png"},
        {StorageResult::FileError, "notice_file_error.png"},
    };
    for (const auto &entry : storage)
        saveBox(shots, false, storageResultMessage(entry.first), entry.second);
    saveBox(shots, false, downloadResultMessage(kResultMouseOff), "notice_mouse_sleeping.png");
    saveBox(shots, false, downloadResultMessage(4), "notice_send_failed.png");
    DownloadOutcome macros;
    macros.macros.overLimit = QStringList{"Burst fire", "Build wall", "Quick scope"};
    saveBox(shots, false, macroLimitMessage(macros), "notice_macro_limit.png");
    SendOutcome unsaved;
    unsaved.save = storageOutcome(StorageResult::WriteFailed, slotProfilePath("Profile 1"), StorageFileKind::Profile);
    saveBox(shots, false, sendNotices(0, unsaved).value(0), "notice_settings_not_saved.png");

    ScreenshotSession::settle();
    QMenu *menu = window.profileFileMenu();
    const QList<QAction *> actions = menu->actions();
    QAction *active = actions.size() > 1 ? actions.at(1) : nullptr;
    const QRect button = window.profileFileButton()->geometry();
    const QPixmap open = ScreenshotSession::menuPixmap(menu, active);
    // Below the button, or above it when it would run into the window's bottom bar (as it opens
    // at a screen edge): the picture then shows the whole menu.
    QPoint at = button.bottomLeft() + QPoint(0, 1);
    if (at.y() + open.height() > window.height() * kBottomBarTop / kDesignHeight)
        at.setY(button.top() - open.height());
    shots.save(ScreenshotSession::composite(window.grab(), open, at), "menu_profile_files.png");
}
