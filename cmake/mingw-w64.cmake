# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Programs built for Windows run under Wine (package wine64) when ctest or
# gtest_discover_tests starts them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KMR_MINGW_TRIPLE x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex, which the win32 model
# of Debian's GCC 12 lacks.
set(CMAKE_C_COMPILER ${KMR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KMR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KMR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KMR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's run-time (libgcc, libstdc++, winpthread) goes into each
# program and the DLL, so a build needs no MinGW DLL beside it; kmrengine.dll
# is the only one.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Debian's wine64 package puts the loader here; /usr/bin/wine (package wine)
# only adds a wrapper around it.
find_program(KMR_WINE NAMES wine64 wine
    PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine NO_DEFAULT_PATH)
find_program(KMR_WINE NAMES wine64 wine)
if(KMR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KMR_WINE})
endif()
