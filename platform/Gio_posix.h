#pragma once
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <string>

namespace platform {

// The few GIO functions used to find and start a file type's application. GIO is loaded at the
// first use, not with the program: the library and the dozen it pulls in are only needed to open
// an item by its type, and loading them at start delays the show window's first frame.
struct GioApi {
  decltype(&g_file_new_for_path) file_new_for_path;
  decltype(&g_file_get_uri) file_get_uri;
  decltype(&g_file_query_info) file_query_info;
  decltype(&g_file_info_get_content_type) file_info_get_content_type;
  decltype(&g_content_type_guess) content_type_guess;
  decltype(&g_content_type_get_description) content_type_get_description;
  decltype(&g_app_info_get_default_for_type) app_info_get_default_for_type;
  decltype(&g_app_info_get_name) app_info_get_name;
  decltype(&g_desktop_app_info_get_boolean) desktop_app_info_get_boolean;
  decltype(&g_find_program_in_path) find_program_in_path;
  decltype(&g_app_info_launch_uris) app_info_launch_uris;
  decltype(&g_desktop_app_info_get_type) desktop_app_info_get_type;
  decltype(&g_desktop_app_info_launch_uris_as_manager) desktop_app_info_launch_uris_as_manager;
  decltype(&g_type_check_instance_is_a) type_check_instance_is_a;
  decltype(&g_object_unref) object_unref;
  decltype(&g_error_free) error_free;
  decltype(&g_free) free;

  bool IsDesktopAppInfo(GAppInfo* app) const {
    return type_check_instance_is_a(reinterpret_cast<GTypeInstance*>(app),
                                    desktop_app_info_get_type());
  }
};

// GIO, loaded once; null when it cannot be loaded, and `error` (when given) then says why.
const GioApi* Gio(std::string* error = nullptr);

}  // namespace platform
