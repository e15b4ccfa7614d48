# The Windows zip: quadrel.exe and quadrel-check.exe with the Qt DLLs and plugins the presenter
# loads, the compiler's runtime DLLs those import, and the note on Qt's licence. Unzipped
# anywhere writable it runs with nothing else installed.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "quadrel-${PROJECT_VERSION}-windows-x86_64")

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

if(MINGW)
  # Qt's DLLs import mingw's C++ runtime; take the copies of the compiler that built them.
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
      message(FATAL_ERROR "The compiler has no ${dll}; the package would not start without it")
    endif()
    install(FILES ${dll_path} DESTINATION .)
  endforeach()
endif()

execute_process(COMMAND dpkg-query -W -f=\${Version} qt6-base-dev
  OUTPUT_VARIABLE QT_DEBIAN_VERSION ERROR_QUIET)
if(NOT QT_DEBIAN_VERSION)
  set(QT_DEBIAN_VERSION "${Qt6_VERSION}")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/QT-LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/QT-LICENSE.txt
  @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QT-LICENSE.txt DESTINATION .)

# Debug symbols would make the zip four times larger; the DLLs are stripped as they are copied.
if(CMAKE_STRIP)
  install(CODE "
    file(GLOB_RECURSE binaries \"\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\${CMAKE_INSTALL_PREFIX}/*.exe\")
    foreach(binary \${binaries})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\")
    endforeach()")
endif()
