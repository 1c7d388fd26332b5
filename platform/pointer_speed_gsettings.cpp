// GSettings backend of the pointer speed. Kept free of Qt headers: GIO's introspection structs
// use a member named "signals", which Qt defines as a macro.
#include "platform/pointer_speed.h"

#include <gio/gio.h>

#include <cerrno>

namespace {

constexpr const char *kSpeedKey = "speed";

class GSettingsPointerSpeed : public PointerSpeedBackend {
public:
    explicit GSettingsPointerSpeed(GSettings *settings) : m_settings(settings) {}
    ~GSettingsPointerSpeed() override { g_object_unref(m_settings); }
    GSettingsPointerSpeed(const GSettingsPointerSpeed &) = delete;
    GSettingsPointerSpeed &operator=(const GSettingsPointerSpeed &) = delete;

    const char *name() const override { return "gsettings"; }

    int read() override { return pointerSpeedFromGSettings(g_settings_get_double(m_settings, kSpeedKey)); }

    int write(int speed) override
    {
        if (speed < kPointerSpeedMin || speed > kPointerSpeedMax)
            return EINVAL;
        if (!g_settings_is_writable(m_settings, kSpeedKey))
            return EACCES;
        if (!g_settings_set_double(m_settings, kSpeedKey, pointerSpeedToGSettings(speed)))
            return EIO;
        // Writes to the desktop's store are asynchronous; make this one land before returning.
        g_settings_sync();
        return 0;
    }

private:
    GSettings *m_settings;
};

} // namespace

std::unique_ptr<PointerSpeedBackend> makeGSettingsPointerSpeed(const char *schemaId)
{
    // g_settings_new() aborts the process on an unknown schema, so look it up first.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
    if (!schema)
        return nullptr;
    bool usable = false;
    if (g_settings_schema_has_key(schema, kSpeedKey)) {
        GSettingsSchemaKey *key = g_settings_schema_get_key(schema, kSpeedKey);
        usable = g_variant_type_equal(g_settings_schema_key_get_value_type(key), G_VARIANT_TYPE_DOUBLE);
        g_settings_schema_key_unref(key);
    }
    GSettings *settings = usable ? g_settings_new_full(schema, nullptr, nullptr) : nullptr;
    g_settings_schema_unref(schema);
    if (!settings)
        return nullptr;
    return std::make_unique<GSettingsPointerSpeed>(settings);
}
