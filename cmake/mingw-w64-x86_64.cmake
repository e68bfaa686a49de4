# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain, using
# its POSIX thread model (std::thread, std::mutex and friends go through
# winpthreads; the win32 model lacks them in GCC 12).
#
# The Windows builds of Qt, libical and libxlsxwriter are looked for only in
# the prefixes named by EORTOLOGIO_WIN_PREFIX (a CMake list, or a
# colon-separated list in the environment variable of the same name) and in
# the MinGW-w64 runtime folder; scripts/windows makes those prefixes. Programs (moc, rcc, uic, perl, pkg-config)
# come from the build machine: Qt's host tools are Debian's, found through
# QT_HOST_PATH.
#
#   cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DEORTOLOGIO_WIN_PREFIX=/var/cache/eortologio/win64-... -S . -B build/win64

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(EORTOLOGIO_MINGW_TRIPLET x86_64-w64-mingw32)
set(EORTOLOGIO_MINGW_ROOT /usr/${EORTOLOGIO_MINGW_TRIPLET})

set(CMAKE_C_COMPILER ${EORTOLOGIO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EORTOLOGIO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${EORTOLOGIO_MINGW_TRIPLET}-windres)

# The prefix comes from the cache on the command line or from the environment.
# try_compile projects read this file again without the cache, so the value is
# handed on to them explicitly.
if(NOT EORTOLOGIO_WIN_PREFIX AND DEFINED ENV{EORTOLOGIO_WIN_PREFIX})
    set(EORTOLOGIO_WIN_PREFIX "$ENV{EORTOLOGIO_WIN_PREFIX}")
endif()
set(EORTOLOGIO_WIN_PREFIX "${EORTOLOGIO_WIN_PREFIX}" CACHE STRING
    "Prefixes holding the Windows builds of Qt, libical and libxlsxwriter")
# The environment's list, also as a preset hands it on, is colon-separated.
string(REPLACE ":" ";" EORTOLOGIO_WIN_PREFIX "${EORTOLOGIO_WIN_PREFIX}")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EORTOLOGIO_WIN_PREFIX)

set(CMAKE_FIND_ROOT_PATH ${EORTOLOGIO_WIN_PREFIX} ${EORTOLOGIO_MINGW_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows runs its code generators from Debian's own Qt of the same
# version.
if(NOT DEFINED QT_HOST_PATH)
    set(QT_HOST_PATH /usr CACHE PATH "Prefix of the build machine's Qt (moc, rcc, uic)")
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH
        "CMake package folder of the build machine's Qt")
endif()

# pkg-config (libical.pc) reads only the Windows prefixes, never the build
# machine's own .pc files. The .pc files hold absolute paths, so no sysroot.
set(_eortologio_pc_dirs)
foreach(_eortologio_prefix IN LISTS EORTOLOGIO_WIN_PREFIX)
    list(APPEND _eortologio_pc_dirs ${_eortologio_prefix}/lib/pkgconfig)
endforeach()
list(APPEND _eortologio_pc_dirs ${EORTOLOGIO_MINGW_ROOT}/lib/pkgconfig)
string(REPLACE ";" ":" _eortologio_pc_dirs "${_eortologio_pc_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${_eortologio_pc_dirs}")
unset(ENV{PKG_CONFIG_PATH})
unset(ENV{PKG_CONFIG_SYSROOT_DIR})
unset(_eortologio_pc_dirs)
unset(_eortologio_prefix)
