#pragma once

// The library is built with hidden symbols; what the main program reaches (the factory, the
// interfaces' type information for casts and the error type) is marked with DRAW_EXPORT. The same
// attribute applies on both sides, so a header-only class shares its type information across the
// library boundary.
#if defined(_WIN32)
#  if defined(DRAW_BUILDING_LIBRARY)
#    define DRAW_EXPORT __declspec(dllexport)
#  else
#    define DRAW_EXPORT __declspec(dllimport)
#  endif
#else
#  define DRAW_EXPORT __attribute__((visibility("default")))
#endif
