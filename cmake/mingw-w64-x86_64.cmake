# Cross build of the host for 64-bit Windows with Debian's mingw-w64 (GCC 12, POSIX threads).
#
#   scripts/build-windows-deps.sh              # Dear ImGui, libopus, GoogleTest for mingw (cached)
#   cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DPARVALON_WERROR=ON
#   cmake --build build-windows -j 2
#   ctest --test-dir build-windows             # every test runs under wine (scripts/lib/wine-run.sh)
#
# The libraries built by the deps script live in build-windows/deps/prefix; the wine prefix the
# tests use is build-windows/wine. Linux-only parts (X11, PulseAudio, x264, GLFW, the viewer,
# benchmarks, fuzzing) are not configured in this folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PARVALON_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PARVALON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PARVALON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PARVALON_MINGW_TRIPLE}-windres)

# Executables carry the GCC runtime and winpthreads inside, so they run under wine without DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_FIND_ROOT_PATH /usr/${PARVALON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests run the .exe through wine (cmake/ParvalonWindows.cmake sets the emulator and its prefix).
