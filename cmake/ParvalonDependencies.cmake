# Every external library, found once; targets link the imported names below.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/ParvalonWindows.cmake)
  return()
endif()

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(fmt REQUIRED)
find_package(spdlog REQUIRED)
find_package(nlohmann_json 3.10 REQUIRED)
find_package(Boost 1.74 REQUIRED)

pkg_check_modules(XCB REQUIRED IMPORTED_TARGET
  xcb xcb-composite xcb-damage xcb-shm xcb-xfixes xcb-xtest xcb-randr xcb-icccm xcb-ewmh xcb-keysyms)
pkg_check_modules(X264 REQUIRED IMPORTED_TARGET x264)
pkg_check_modules(X265 REQUIRED IMPORTED_TARGET x265)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavcodec libavutil libswscale)
pkg_check_modules(OPUS REQUIRED IMPORTED_TARGET opus)
pkg_check_modules(PULSE REQUIRED IMPORTED_TARGET libpulse)
pkg_check_modules(GLFW REQUIRED IMPORTED_TARGET glfw3)
find_package(OpenGL REQUIRED)

# Debian's libyuv-dev ships no .pc file.
find_library(LIBYUV_LIBRARY yuv REQUIRED)
add_library(parvalon_libyuv INTERFACE)
target_link_libraries(parvalon_libyuv INTERFACE ${LIBYUV_LIBRARY})
add_library(parvalon::libyuv ALIAS parvalon_libyuv)

if(PARVALON_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()

# Debian's Dear ImGui 1.86: the core as a static library; the GLFW and OpenGL 3 back-end sources
# ship among the package's examples and are compiled into the dashboard's back end.
find_library(IMGUI_LIBRARY imgui REQUIRED)
find_path(IMGUI_INCLUDE_DIR imgui.h PATH_SUFFIXES imgui REQUIRED)
find_path(IMGUI_BACKEND_SOURCE_DIR imgui_impl_glfw.cpp
  PATHS /usr/share/doc/libimgui-dev/examples/backends NO_DEFAULT_PATH)
add_library(parvalon_imgui INTERFACE)
target_include_directories(parvalon_imgui SYSTEM INTERFACE ${IMGUI_INCLUDE_DIR} ${IMGUI_INCLUDE_DIR}/backends)
target_link_libraries(parvalon_imgui INTERFACE ${IMGUI_LIBRARY})
add_library(parvalon::imgui ALIAS parvalon_imgui)
