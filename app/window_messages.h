#pragma once
// The window's own notices and questions beyond profile management (translated).

#include <QString>

enum class WindowMessage {
    FirmwareCable,    // the update needs the cable
    FirmwareQuestion, // confirm the update
    FirmwareMissing,  // the updater could not be started
    OneClick,         // the button panel keeps one click function
};
constexpr WindowMessage kWindowMessages[] = {WindowMessage::FirmwareCable, WindowMessage::FirmwareQuestion,
                                             WindowMessage::FirmwareMissing, WindowMessage::OneClick};
QString windowMessage(WindowMessage message);
bool isWindowQuestion(WindowMessage message);

// Said once, on the window, when no model description can be read (none found, or one without
// keys): the buttons and DPI stages of the model are unknown then.
QString noModelDescriptionText();
// Said once, on the window, when it was asked to start hidden but the desktop has no tray to
// bring it back from: it stays shown instead.
QString noTrayText();
