#pragma once

// The engines' library's classes with signals are exported from it and
// imported by the binaries that use it. On Windows a signal's address must be
// the same on both sides, as connect() finds the signal by its address.

#include <QtGlobal>

#ifdef EORTOLOGIO_CORE_LIBRARY
#define EORTOLOGIO_CORE Q_DECL_EXPORT
#else
#define EORTOLOGIO_CORE Q_DECL_IMPORT
#endif
