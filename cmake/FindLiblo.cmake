# Finds liblo, the OSC library, and gives the target Liblo::Liblo.
# A native build asks pkg-config (Debian's liblo-dev). A cross build looks only under
# CMAKE_FIND_ROOT_PATH (the prefix of tools/build-liblo-windows.sh), because the host's pkg-config
# would answer with the host's library.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(PkgConfig QUIET)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(PC_LIBLO QUIET liblo)
  endif()
endif()

find_path(Liblo_INCLUDE_DIR lo/lo.h HINTS ${PC_LIBLO_INCLUDE_DIRS})
find_library(Liblo_LIBRARY NAMES lo liblo HINTS ${PC_LIBLO_LIBRARY_DIRS})
set(Liblo_VERSION "${PC_LIBLO_VERSION}")
if(WIN32)
  # The DLL the Windows package ships beside the program.
  find_file(Liblo_DLL NAMES liblo-7.dll liblo.dll PATH_SUFFIXES bin)
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Liblo
  REQUIRED_VARS Liblo_LIBRARY Liblo_INCLUDE_DIR
  VERSION_VAR Liblo_VERSION)
mark_as_advanced(Liblo_INCLUDE_DIR Liblo_LIBRARY Liblo_DLL)

if(Liblo_FOUND AND NOT TARGET Liblo::Liblo)
  add_library(Liblo::Liblo UNKNOWN IMPORTED)
  set_target_properties(Liblo::Liblo PROPERTIES
    IMPORTED_LOCATION "${Liblo_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Liblo_INCLUDE_DIR}")
  if(WIN32)
    # liblo's sockets and interface lookup.
    set_property(TARGET Liblo::Liblo PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 iphlpapi)
  endif()
endif()
