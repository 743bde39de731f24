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

# parvalon_host_library(<target> <folder>): the library exports only the headers of its own
# folder under host/src, so an include of another subsystem compiles only where that subsystem
# is linked. Each folder gets an include root of its own holding a link to the folder.
function(parvalon_host_library target folder)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PARVALON_HOST_SRC}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
  parvalon_target_defaults(${target})
endfunction()
