// A source file in a library's place, built only by the include-fence checks: it names
// PARVALON_FENCE_HEADER as that library's own code would. Only whether the header is found
// matters, so a header that is found is not compiled (its own dependencies are not the check's).
#if !__has_include(PARVALON_FENCE_HEADER)
#include PARVALON_FENCE_HEADER  // not found: the compiler's own "No such file" error
#endif
