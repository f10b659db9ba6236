#include "ui/gio_library.hpp"

#include <QFile>

#include <dlfcn.h>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tolvin {

namespace {

// A routine found by name, called with the type GIO's own header declares for it.
template <typename Fn> Fn as(void* routine) {
    return reinterpret_cast<Fn>(routine);
}

} // namespace

gio_library::gio_library(const char* soname) {
    // Never closed: GLib's type system cannot be unloaded, so the library stays for
    // the rest of the run, as it would have had it been linked.
    void* library = dlopen(soname, RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr)
        return;
    default_for_type_ = dlsym(library, "g_app_info_get_default_for_type");
    file_for_path_ = dlsym(library, "g_file_new_for_path");
    launch_ = dlsym(library, "g_app_info_launch");
    unref_ = dlsym(library, "g_object_unref");
    clear_error_ = dlsym(library, "g_clear_error");
    if (default_for_type_ && file_for_path_ && launch_ && unref_ && clear_error_)
        launch_for_uri_ = dlsym(library, "g_app_info_launch_default_for_uri");
}

QString gio_library::launch_text_editor(const QString& path) const {
    if (!loaded())
        return QStringLiteral("GIO cannot be loaded");
    GAppInfo* app = as<decltype(&g_app_info_get_default_for_type)>(default_for_type_)("text/plain", FALSE);
    if (app == nullptr)
        return QStringLiteral("no application is set for text/plain");
    GFile* file = as<decltype(&g_file_new_for_path)>(file_for_path_)(QFile::encodeName(path).constData());
    GList files{file, nullptr, nullptr};
    GError* error = nullptr;
    QString reason;
    if (!as<decltype(&g_app_info_launch)>(launch_)(app, &files, nullptr, &error))
        reason = error != nullptr ? QString::fromUtf8(error->message) : QStringLiteral("launch failed");
    as<decltype(&g_clear_error)>(clear_error_)(&error);
    as<decltype(&g_object_unref)>(unref_)(file);
    as<decltype(&g_object_unref)>(unref_)(app);
    return reason;
}

bool gio_library::launch_for_uri(const QString& address) const {
    if (!loaded())
        return false;
    GError* error = nullptr;
    const bool opened = as<decltype(&g_app_info_launch_default_for_uri)>(launch_for_uri_)(
        address.toUtf8().constData(), nullptr, &error);
    as<decltype(&g_clear_error)>(clear_error_)(&error);
    return opened;
}

} // namespace tolvin
