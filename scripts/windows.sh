#!/usr/bin/env bash
# The Windows build: kmrengine.dll, the standard-library layers, plovkmr.exe
# and their tests, cross-compiled with MinGW-w64 (cmake/mingw-w64.cmake) into
# build-windows/ and run under Wine. Run by ./test after the Linux build, whose
# plovkmr the Windows program is compared with; runs alone as well.
source "$(dirname "$0")/common.sh"
kmr_install_packages

# Wine keeps its prefix (its C: drive and registry) inside the build folder;
# the first start creates it. No Mono or Gecko: nothing here needs them.
export WINEPREFIX="$KMR_ROOT/build-windows/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_dir=/usr/lib/wine
mkdir -p "$WINEPREFIX"

if [ ! -x "$KMR_ROOT/build/app/plovkmr" ]; then
    kmr_build build
fi

kmr_build build-windows -DCMAKE_TOOLCHAIN_FILE="$KMR_ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DKMR_LINUX_PLOVKMR="$KMR_ROOT/build/app/plovkmr"

# One Wine server for all the tests instead of one per program start.
"$wine_dir/wineserver64" -p
trap '"$wine_dir/wineserver64" -k 2>/dev/null || true' EXIT
"$wine_dir/wine64" wineboot --init >/dev/null 2>&1 || true
(cd "$KMR_ROOT/build-windows" && ctest --output-on-failure -j "$KMR_JOBS")
