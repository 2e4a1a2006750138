#include "platform/GnomePointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

// GLib names a structure member "signals", which Qt defines as a keyword.
#undef signals
#include <gio/gio.h>

namespace {
constexpr char Schema[] = "org.gnome.desktop.peripherals.mouse";
constexpr char Key[] = "speed";
} // namespace

std::unique_ptr<GnomePointerSpeed> GnomePointerSpeed::create()
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    GSettingsSchema *schema = source ? g_settings_schema_source_lookup(source, Schema, TRUE) : nullptr;
    if (!schema)
        return nullptr;
    // An older schema without the key would abort the process on the first read.
    const bool hasKey = g_settings_schema_has_key(schema, Key);
    GSettings *settings = hasKey ? g_settings_new_full(schema, nullptr, nullptr) : nullptr;
    g_settings_schema_unref(schema);
    if (!settings)
        return nullptr;
    return std::unique_ptr<GnomePointerSpeed>(new GnomePointerSpeed(settings));
}

GnomePointerSpeed::GnomePointerSpeed(GSettings *settings)
    : m_settings(settings)
{ }

GnomePointerSpeed::~GnomePointerSpeed()
{
    g_object_unref(m_settings);
}

bool GnomePointerSpeed::read(int *speed)
{
    *speed = SpeedFromLibinputAccel(g_settings_get_double(m_settings, Key));
    return true;
}

bool GnomePointerSpeed::apply(int speed)
{
    const bool ok = g_settings_set_double(m_settings, Key, LibinputAccelFromSpeed(speed));
    // Written through before the program might end.
    g_settings_sync();
    return ok;
}
