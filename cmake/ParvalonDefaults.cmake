# Compiler settings every Parvalon target gets through parvalon_target_defaults().

# Boost 1.74's Asio under GCC 12 in C++20 uses std::exchange without including <utility>.
set(PARVALON_ASIO_FIX -include utility)

function(parvalon_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PARVALON_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 false positives from inlined libstdc++/Beast code stay warnings.
      target_compile_options(${target} PRIVATE
        -Wno-error=restrict -Wno-error=array-bounds -Wno-error=stringop-overflow
        -Wno-error=maybe-uninitialized -Wno-error=dangling-pointer)
    endif()
  endif()
endfunction()

if(PARVALON_TSAN)
  # GCC warns that Asio's atomic_thread_fence is invisible to ThreadSanitizer; it stays a warning.
  add_compile_options(-fsanitize=thread -g -Wno-error=tsan)
  add_link_options(-fsanitize=thread)
endif()

if(PARVALON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PARVALON_FUZZ needs clang (CXX=clang++-14)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()

# Host headers reach a target through include roots, one per folder under host/src: the root of
# "capture" holds capture/ with a link to each header directly in host/src/capture, so
# "capture/X.h" compiles only where the capture library (or its root) is linked. Subfolders are
# roots of their own: the seam's root does not reach platform/linux or platform/windows.
if(WIN32)
  set(PARVALON_OS_HEADERS platform/windows)
else()
  set(PARVALON_OS_HEADERS platform/linux)
endif()

# parvalon_include_root(<var> <folder>): sets <var> to the root of host/src/<folder>, made (or
# remade when the folder's headers changed) at configure time.
function(parvalon_include_root var folder)
  string(REPLACE "/" "-" name ${folder})
  set(root ${CMAKE_BINARY_DIR}/header-roots/${name})
  set(${var} ${root} PARENT_SCOPE)
  get_property(made GLOBAL PROPERTY parvalon_include_root_${name})
  if(made)
    return()
  endif()
  set_property(GLOBAL PROPERTY parvalon_include_root_${name} TRUE)
  set(source ${PROJECT_SOURCE_DIR}/host/src/${folder})
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
  file(GLOB present RELATIVE ${root}/${folder} ${root}/${folder}/*)
  if(NOT IS_DIRECTORY ${root}/${folder} OR NOT present STREQUAL headers)
    # The root holds links only; removing it leaves the sources alone.
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      file(CREATE_LINK ${source}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
  endif()
endfunction()

# parvalon_use_headers(<target> <PUBLIC|PRIVATE|INTERFACE> <folder>...): the headers of folders
# whose library the target does not link: a header-only part of another subsystem, or the OS
# folder for the few targets that construct OS classes (the entry points and the OS tests).
function(parvalon_use_headers target scope)
  foreach(folder IN LISTS ARGN)
    parvalon_include_root(root ${folder})
    target_include_directories(${target} ${scope} ${root})
  endforeach()
endfunction()

# parvalon_host_library(<target> <folder>): the library exports the root of its own folder and
# gets the house compiler settings.
function(parvalon_host_library target folder)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    parvalon_use_headers(${target} INTERFACE ${folder})
  else()
    parvalon_use_headers(${target} PUBLIC ${folder})
    parvalon_target_defaults(${target})
  endif()
endfunction()
