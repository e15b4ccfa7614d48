#include "platform/Gio_posix.h"

#include <dlfcn.h>

namespace platform {
namespace {

struct LoadedGio {
  GioApi api{};
  std::string error;
  bool ok = false;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function& target, std::string& error) {
  target = reinterpret_cast<Function>(::dlsym(library, name));
  if (!target && error.empty()) error = std::string("GIO has no function ") + name;
  return target != nullptr;
}

LoadedGio Load() {
  LoadedGio loaded;
  // Never unloaded: GIO keeps threads and type registrations for the life of the process.
  void* library = ::dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* why = ::dlerror();
    loaded.error = std::string("The GIO library could not be loaded: ") + (why ? why : "unknown");
    return loaded;
  }
  GioApi& a = loaded.api;
  std::string& e = loaded.error;
  loaded.ok =
      Resolve(library, "g_file_new_for_path", a.file_new_for_path, e) &
      Resolve(library, "g_file_get_uri", a.file_get_uri, e) &
      Resolve(library, "g_file_query_info", a.file_query_info, e) &
      Resolve(library, "g_file_info_get_content_type", a.file_info_get_content_type, e) &
      Resolve(library, "g_content_type_guess", a.content_type_guess, e) &
      Resolve(library, "g_content_type_get_description", a.content_type_get_description, e) &
      Resolve(library, "g_app_info_get_default_for_type", a.app_info_get_default_for_type, e) &
      Resolve(library, "g_app_info_get_name", a.app_info_get_name, e) &
      Resolve(library, "g_desktop_app_info_get_boolean", a.desktop_app_info_get_boolean, e) &
      Resolve(library, "g_find_program_in_path", a.find_program_in_path, e) &
      Resolve(library, "g_app_info_launch_uris", a.app_info_launch_uris, e) &
      Resolve(library, "g_desktop_app_info_get_type", a.desktop_app_info_get_type, e) &
      Resolve(library, "g_desktop_app_info_launch_uris_as_manager",
              a.desktop_app_info_launch_uris_as_manager, e) &
      Resolve(library, "g_type_check_instance_is_a", a.type_check_instance_is_a, e) &
      Resolve(library, "g_object_unref", a.object_unref, e) &
      Resolve(library, "g_error_free", a.error_free, e) & Resolve(library, "g_free", a.free, e);
  return loaded;
}

}  // namespace

const GioApi* Gio(std::string* error) {
  static const LoadedGio loaded = Load();  // thread-safe, once
  if (!loaded.ok) {
    if (error) *error = loaded.error;
    return nullptr;
  }
  return &loaded.api;
}

}  // namespace platform
