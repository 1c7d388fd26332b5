#pragma once
// Gathers what a download needs to know besides the profile set, before it starts: the settings'
// sensor and product, the model description's counts, the button-matrix table, the device type of
// the latest battery reply and the steps of the macros the set names. The encoders themselves
// read no file.

#include "device/command_set.h"

#include <QString>

struct AppSettings;
struct ProfileSet;

// `productName` is the current product ("Config/CurrentProductName").
EncodeContext encodeContextFor(const AppSettings &settings, const QString &productName, const ProfileSet &set);
