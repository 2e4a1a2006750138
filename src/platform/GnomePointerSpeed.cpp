#include "platform/GnomePointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <QLibrary>

// GLib names a structure member "signals", which Qt defines as a keyword.
#undef signals
#include <gio/gio.h>

namespace {

constexpr char Schema[] = "org.gnome.desktop.peripherals.mouse";
constexpr char Key[] = "speed";

// GIO is loaded only on the desktop that uses it: linked, it and what it pulls in would cost every
// other desktop about 1 MB of resident memory from the start.
struct GioFunctions
{
    decltype(&g_settings_schema_source_get_default) schemaSourceGetDefault = nullptr;
    decltype(&g_settings_schema_source_lookup) schemaSourceLookup = nullptr;
    decltype(&g_settings_schema_has_key) schemaHasKey = nullptr;
    decltype(&g_settings_schema_unref) schemaUnref = nullptr;
    decltype(&g_settings_new_full) settingsNewFull = nullptr;
    decltype(&g_settings_get_double) getDouble = nullptr;
    decltype(&g_settings_set_double) setDouble = nullptr;
    decltype(&g_settings_sync) sync = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;
    bool complete = false;
};

template<typename Function>
bool resolve(QLibrary &library, const char *name, Function *function)
{
    *function = reinterpret_cast<Function>(library.resolve(name));
    return *function != nullptr;
}

GioFunctions loadGio()
{
    GioFunctions g;
    // Never unloaded: settings objects and GLib's own threads live as long as the program.
    QLibrary library(QStringLiteral("gio-2.0"), 0);
    g.complete = resolve(library, "g_settings_schema_source_get_default", &g.schemaSourceGetDefault)
        && resolve(library, "g_settings_schema_source_lookup", &g.schemaSourceLookup)
        && resolve(library, "g_settings_schema_has_key", &g.schemaHasKey)
        && resolve(library, "g_settings_schema_unref", &g.schemaUnref)
        && resolve(library, "g_settings_new_full", &g.settingsNewFull)
        && resolve(library, "g_settings_get_double", &g.getDouble)
        && resolve(library, "g_settings_set_double", &g.setDouble)
        && resolve(library, "g_settings_sync", &g.sync)
        && resolve(library, "g_object_unref", &g.objectUnref);
    return g;
}

// Null when the library or one of its functions is missing.
const GioFunctions *gio()
{
    static const GioFunctions functions = loadGio();
    return functions.complete ? &functions : nullptr;
}

} // namespace

std::unique_ptr<GnomePointerSpeed> GnomePointerSpeed::create()
{
    const GioFunctions *g = gio();
    if (!g)
        return nullptr;
    GSettingsSchemaSource *source = g->schemaSourceGetDefault();
    GSettingsSchema *schema = source ? g->schemaSourceLookup(source, Schema, TRUE) : nullptr;
    if (!schema)
        return nullptr;
    // An older schema without the key would abort the process on the first read.
    const bool hasKey = g->schemaHasKey(schema, Key);
    GSettings *settings = hasKey ? g->settingsNewFull(schema, nullptr, nullptr) : nullptr;
    g->schemaUnref(schema);
    if (!settings)
        return nullptr;
    return std::unique_ptr<GnomePointerSpeed>(new GnomePointerSpeed(settings));
}

GnomePointerSpeed::GnomePointerSpeed(GSettings *settings)
    : m_settings(settings)
{ }

GnomePointerSpeed::~GnomePointerSpeed()
{
    gio()->objectUnref(m_settings);
}

bool GnomePointerSpeed::read(int *speed)
{
    *speed = SpeedFromLibinputAccel(gio()->getDouble(m_settings, Key));
    return true;
}

bool GnomePointerSpeed::apply(int speed)
{
    const bool ok = gio()->setDouble(m_settings, Key, LibinputAccelFromSpeed(speed));
    // Written through before the program might end.
    gio()->sync();
    return ok;
}
