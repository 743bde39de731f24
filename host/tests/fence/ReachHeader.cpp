// A source file in a library's place, built only by the include-fence checks: it names
// PARVALON_FENCE_HEADER as that library's own code would.
#include PARVALON_FENCE_HEADER
