# Where `cmake --install` puts things, the headers generated from the project's version and its
# desktop entry, and the packages CPack builds from the install: a .deb on Linux, a zip (and an
# NSIS installer when makensis is present) on Windows.
#
#   cmake --build build --target package          # build/packages/parvalon_<version>_amd64.deb
#   cmake --build build-windows --target package  # build-windows/packages/Parvalon-<version>-win64.zip
#
# scripts/package.sh drives both and checks what they hold.

if(NOT WIN32)
  # Debian keeps a package's licence files in /usr/share/doc/<package>.
  set(CMAKE_INSTALL_DOCDIR share/doc/parvalon CACHE PATH "Documentation and licence files")
endif()
include(GNUInstallDirs)

if(WIN32)
  # One folder that runs where it is unpacked: the executable, its assets beside it.
  set(PARVALON_INSTALL_BINDIR .)
  set(PARVALON_INSTALL_SHAREDIR assets)
  set(PARVALON_INSTALL_DOCDIR .)
else()
  set(PARVALON_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(PARVALON_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/parvalon)
  set(PARVALON_INSTALL_DOCDIR ${CMAKE_INSTALL_DOCDIR})
endif()
# The host finds its share folder relative to its own executable, so a package unpacked under
# any prefix (or a `cmake --install --prefix`) finds its logo.
file(RELATIVE_PATH PARVALON_SHARE_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${PARVALON_INSTALL_BINDIR}
  ${CMAKE_INSTALL_PREFIX}/${PARVALON_INSTALL_SHAREDIR})

# parvalon_build_info: ParvalonVersion.h (the one version every program reports) and
# ParvalonDesktopEntry.h (the desktop entry the dashboard writes for autostart).
set(PARVALON_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
set(PARVALON_DESKTOP_TEMPLATE ${PROJECT_SOURCE_DIR}/host/assets/parvalon-host.desktop.in)
file(READ ${PARVALON_DESKTOP_TEMPLATE} PARVALON_DESKTOP_ENTRY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PARVALON_DESKTOP_TEMPLATE})
# What an autostart entry adds to the menu entry.
set(PARVALON_AUTOSTART_LINE "X-GNOME-Autostart-enabled=true")
file(CONFIGURE OUTPUT ${PARVALON_GENERATED_DIR}/ParvalonVersion.h CONTENT
"#pragma once
// Generated from the project version in the top-level CMakeLists.txt.
#define PARVALON_VERSION \"${PROJECT_VERSION}\"
" @ONLY)
# (file(GENERATE) writes only on change and leaves @EXEC@ alone, which file(CONFIGURE) would not.)
file(GENERATE OUTPUT ${PARVALON_GENERATED_DIR}/ParvalonDesktopEntry.h CONTENT
"#pragma once
// Generated from host/assets/parvalon-host.desktop.in; @EXEC@ stands for the command line.
namespace parvalon {
inline constexpr const char* kDesktopEntryTemplate = R\"PARVALON(${PARVALON_DESKTOP_ENTRY})PARVALON\";
inline constexpr const char* kAutostartLine = \"${PARVALON_AUTOSTART_LINE}\";
}
")
add_library(parvalon_build_info INTERFACE)
target_include_directories(parvalon_build_info INTERFACE ${PARVALON_GENERATED_DIR})

# The menu entry, and the autostart entry the user may copy into ~/.config/autostart.
string(REPLACE "@EXEC@" "ParvalonHost" PARVALON_MENU_ENTRY "${PARVALON_DESKTOP_ENTRY}")
file(GENERATE OUTPUT ${PARVALON_GENERATED_DIR}/applications/parvalon-host.desktop
  CONTENT "${PARVALON_MENU_ENTRY}")
file(GENERATE OUTPUT ${PARVALON_GENERATED_DIR}/autostart/parvalon-host.desktop
  CONTENT "${PARVALON_MENU_ENTRY}${PARVALON_AUTOSTART_LINE}\n")

# Assets and licence files; the programs install themselves in their own folders.
install(FILES ${PROJECT_SOURCE_DIR}/host/assets/logo.png DESTINATION ${PARVALON_INSTALL_SHAREDIR})
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${PARVALON_INSTALL_DOCDIR} RENAME LICENSE.txt)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${PARVALON_INSTALL_DOCDIR})
  install(FILES ${PARVALON_GENERATED_DIR}/applications/parvalon-host.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/host/assets/logo.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME parvalon-host.png)
  install(FILES ${PARVALON_GENERATED_DIR}/autostart/parvalon-host.desktop
    DESTINATION ${PARVALON_INSTALL_SHAREDIR}/autostart)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/THIRD_PARTY.md DESTINATION ${PARVALON_INSTALL_DOCDIR})

set(CPACK_PACKAGE_VENDOR "Parvalon")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Streams application windows to a VR headset")
set(CPACK_PACKAGE_DESCRIPTION
  "Parvalon Host streams individual application windows of the desktop to a standalone VR headset: "
  "H.264/HEVC video and Opus audio over TCP, discovery over UDP, and the headset's mouse and keyboard "
  "input injected back into the window. An operator dashboard shows status, windows, settings and the log.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parvalon.dev")
set(CPACK_PACKAGE_CONTACT "Parvalon developers <dev@parvalon.dev>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build.*/" "/out/" "/\\\\.git/")

if(WIN32)
  set(CPACK_PACKAGE_NAME "Parvalon")
  set(CPACK_PACKAGE_FILE_NAME "Parvalon-${PROJECT_VERSION}-win64")
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "Parvalon")
  # NSIS: a Start-menu entry for the host.
  set(CPACK_PACKAGE_EXECUTABLES "ParvalonHost;Parvalon Host")
  set(CPACK_NSIS_DISPLAY_NAME "Parvalon ${PROJECT_VERSION}")
  set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
  set(CPACK_NSIS_INSTALLED_ICON_NAME "ParvalonHost.exe")
  find_program(PARVALON_MAKENSIS makensis)
  set(CPACK_GENERATOR ZIP)
  if(PARVALON_MAKENSIS)
    list(APPEND CPACK_GENERATOR NSIS)
  endif()
else()
  set(CPACK_PACKAGE_NAME "parvalon")
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION video)
  # Library dependencies come from the binaries (dpkg-shlibdeps); the dashboard's font is data.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()
include(CPack)
