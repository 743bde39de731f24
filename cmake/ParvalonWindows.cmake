# The external libraries of the Windows build (toolchain: cmake/mingw-w64-x86_64.cmake).
# Header-only libraries come from Debian's own headers through a folder that links just those
# (all of /usr/include would bring glibc's headers in); compiled ones from the prefix that
# scripts/build-windows-deps.sh fills.
find_package(Threads REQUIRED)

set(PARVALON_WINDOWS_DEPS_PREFIX ${CMAKE_BINARY_DIR}/deps/prefix CACHE PATH
  "Libraries built for mingw by scripts/build-windows-deps.sh")
if(NOT EXISTS ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/libgtest.a OR NOT EXISTS ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/libspdlog.a)
  message(FATAL_ERROR "Run scripts/build-windows-deps.sh ${CMAKE_BINARY_DIR} first")
endif()

set(PARVALON_DEBIAN_HEADERS ${CMAKE_BINARY_DIR}/debian-headers)
foreach(dir boost nlohmann stb)
  if(NOT EXISTS ${PARVALON_DEBIAN_HEADERS}/${dir})
    file(MAKE_DIRECTORY ${PARVALON_DEBIAN_HEADERS})
    file(CREATE_LINK /usr/include/${dir} ${PARVALON_DEBIAN_HEADERS}/${dir} SYMBOLIC)
  endif()
endforeach()
# fmt and spdlog are compiled libraries in the prefix (header-only, every file that logs compiled
# them again); a build folder from before that keeps no links to Debian's copies.
file(REMOVE ${PARVALON_DEBIAN_HEADERS}/fmt ${PARVALON_DEBIAN_HEADERS}/spdlog)

# parvalon_header_library(<imported name> [definitions...])
function(parvalon_header_library name)
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${name} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES ${PARVALON_DEBIAN_HEADERS}
    INTERFACE_COMPILE_DEFINITIONS "${ARGN}")
endfunction()

# spdlog is built with wide file names: the log file opens by its UTF-16 path, so a profile folder
# outside the ANSI code page (C:\Users\José) still gets its log.
set(fmt_DIR ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/cmake/fmt)
set(spdlog_DIR ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/cmake/spdlog)
find_package(fmt REQUIRED CONFIG)
find_package(spdlog REQUIRED CONFIG)
parvalon_header_library(nlohmann_json::nlohmann_json)
# Winsock 2 before anything includes windows.h; Windows 10 APIs.
parvalon_header_library(Boost::boost _WIN32_WINNT=0x0A00 WIN32_LEAN_AND_MEAN NOMINMAX)
set_property(TARGET Boost::boost PROPERTY INTERFACE_LINK_LIBRARIES ws2_32 mswsock)

# stb: Debian ships the implementations in a Linux library; here they are compiled once.
set(stb_source ${CMAKE_BINARY_DIR}/stb-implementation.c)
if(NOT EXISTS ${stb_source})
  file(WRITE ${stb_source} "#define STB_IMAGE_IMPLEMENTATION\n#define STB_IMAGE_WRITE_IMPLEMENTATION\n"
    "#include <stb/stb_image.h>\n#include <stb/stb_image_write.h>\n")
endif()
add_library(stb STATIC ${stb_source})
target_include_directories(stb SYSTEM PUBLIC ${PARVALON_DEBIAN_HEADERS})
target_compile_options(stb PRIVATE -w)

# Dear ImGui 1.86 with its Win32 and Direct3D 11 back ends.
add_library(parvalon_imgui INTERFACE)
target_include_directories(parvalon_imgui SYSTEM INTERFACE
  ${PARVALON_WINDOWS_DEPS_PREFIX}/include/imgui ${PARVALON_WINDOWS_DEPS_PREFIX}/include/imgui/backends)
target_link_libraries(parvalon_imgui INTERFACE ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/libimgui.a
  d3d11 dxgi d3dcompiler dwmapi gdi32 imm32)
add_library(parvalon::imgui ALIAS parvalon_imgui)

# libopus under the name the Linux build's pkg-config gives it.
add_library(PkgConfig::OPUS INTERFACE IMPORTED GLOBAL)
set_target_properties(PkgConfig::OPUS PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${PARVALON_WINDOWS_DEPS_PREFIX}/include/opus
  INTERFACE_LINK_LIBRARIES "${PARVALON_WINDOWS_DEPS_PREFIX}/lib/libopus.a;ssp")
# (libopus's configure builds with _FORTIFY_SOURCE, whose checks mingw keeps in libssp.)

if(PARVALON_BUILD_TESTS)
  set(GTest_DIR ${PARVALON_WINDOWS_DEPS_PREFIX}/lib/cmake/GTest)
  find_package(GTest REQUIRED CONFIG)
endif()

# Every test .exe runs under wine in a prefix of this build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/lib/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
