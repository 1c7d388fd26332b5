#include "app/window_messages.h"

#include <QCoreApplication>

QString windowMessage(WindowMessage message)
{
    switch (message) {
    case WindowMessage::FirmwareCable:
        return QCoreApplication::translate("MousecfgWidget", "To update the firmware, please connect to the computer with a cable.");
    case WindowMessage::FirmwareQuestion:
        return QCoreApplication::translate("MousecfgWidget", "Do you want to upgrade the firmware?");
    case WindowMessage::FirmwareMissing:
        return QCoreApplication::translate("MousecfgWidget", "The firmware updater could not be started.");
    case WindowMessage::OneClick:
        return QCoreApplication::translate("MousecfgWidget", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
    }
    return QString();
}

bool isWindowQuestion(WindowMessage message) { return message == WindowMessage::FirmwareQuestion; }

QString noTrayText()
{
    return QCoreApplication::translate("MousecfgWidget", "No system tray: closing the window quits.");
}

QString noModelDescriptionText()
{
    return QCoreApplication::translate("MousecfgWidget", "No model description found: buttons and DPI stages are unknown.");
}
