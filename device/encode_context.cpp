#include "device/encode_context.h"

#include "device/device_state.h"
#include "model/lighting_effects.h"
#include "storage/app_settings.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"

EncodeContext encodeContextFor(const AppSettings &settings, const QString &productName, const ProfileSet &set)
{
    EncodeContext context;
    context.sensorId = settings.sensorId;
    context.buttonCount = modelButtonCount();
    context.dpiStageCount = modelDpiStageCount();
    context.matrix = buttonMatrixTable();
    context.deviceType = g_deviceType.load();
    context.lightingFirstSlot = lightingUsesFirstSlot(productName);
    context.macroSteps = readNamedMacroSteps(set);
    return context;
}
