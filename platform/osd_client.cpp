#include "platform/osd_client.h"

OsdClient::OsdClient(QObject *parent) : QObject(parent) {}

void OsdClient::showText(const QString &text)
{
    // The transport to the companion is not built yet: the text is only announced.
    emit textRequested(text);
}
