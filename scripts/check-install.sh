#!/usr/bin/env bash
# Checks what an installation of the normal build (build/) gives, then builds
# the Debian package and checks it. Run by ./test after the tests.
#  1. `cmake --install` into a temporary prefix: the programs, the report
#     helper, the library with its SONAME, header, CMake package, pkg-config
#     file and man page; the installed plovkmr loads no Qt library and runs
#     its report helper from the installed tree.
#  2. examples/engine-consumer built against that prefix through CMake and
#     through pkg-config; its reactions equal the hand statics 3wL/8, 10wL/8,
#     3wL/8 of two equal spans under a uniform load.
#  3. cpack -G DEB: build/package/plovkmr_<version>_amd64.deb, its files and
#     control fields read back with dpkg-deb, and its unpacked plovkmr run.
source "$(dirname "$0")/common.sh"
B="$KMR_ROOT/build"
VERSION=3.0.6.0
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

echo "== install into a temporary prefix"
prefix="$work/prefix"
cmake --install "$B" --prefix "$prefix" >/dev/null
libdir="$(sed -n 's/^libdir=\${prefix}\///p' "$B/engine/kmrengine.pc")"
for f in bin/plovkmr bin/PLOVKmr libexec/plovkmr/plovkmr-report include/kmrengine.h \
         "$libdir/libkmrengine.so" "$libdir/libkmrengine.so.3" "$libdir/libkmrengine.so.$VERSION" \
         "$libdir/cmake/kmrengine/kmrengineConfig.cmake" "$libdir/pkgconfig/kmrengine.pc" \
         share/man/man1/plovkmr.1.gz share/applications/plovkmr.desktop; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
readelf -d "$prefix/$libdir/libkmrengine.so" | grep -q 'SONAME.*\[libkmrengine\.so\.3\]' ||
    fail "libkmrengine.so has no SONAME libkmrengine.so.3"
! ldd "$prefix/bin/plovkmr" | grep -q 'libQt' || fail "installed plovkmr loads Qt"
[ "$("$prefix/bin/plovkmr" --version)" = "plovkmr $VERSION" ] || fail "plovkmr --version"
[ "$("$prefix/bin/PLOVKmr" --version)" = "PLOVKmr $VERSION" ] || fail "PLOVKmr --version"
QT_QPA_PLATFORM=offscreen "$prefix/bin/plovkmr" report \
    "$KMR_ROOT/examples/three-span-floor-beam.KMX" -o "$work/report.pdf" >/dev/null
[ -s "$work/report.pdf" ] || fail "installed plovkmr report wrote no PDF"

echo "== engine consumer through CMake and pkg-config"
expected="$work/expected.txt"
awk 'BEGIN { w = 10; L = 6; printf "%.3f\n%.3f\n%.3f\n", 3*w*L/8, 10*w*L/8, 3*w*L/8 }' >"$expected"
check_reactions() {  # $1: how it was built, then the program's output on stdin
    sed -n 's/^reaction [0-9]*: \([-0-9.]*\) kN$/\1/p' >"$work/got.txt"
    paste "$expected" "$work/got.txt" | awk -v how="$1" '
        { n++; d = $1 - $2; if (d < 0) d = -d; if ($2 == "" || d > 0.005) bad = 1 }
        END { if (bad || n != 3) { print how ": reactions differ from statics" > "/dev/stderr"; exit 1 } }'
}
src="$KMR_ROOT/examples/engine-consumer"
cmake -S "$src" -B "$work/by-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/by-cmake" >/dev/null
"$work/by-cmake/consumer" | check_reactions "CMake"
mkdir "$work/by-pkg-config"
cp "$src/consumer.c" "$src/Makefile" "$work/by-pkg-config/"
PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig" make -s -C "$work/by-pkg-config" >/dev/null
LD_LIBRARY_PATH="$prefix/$libdir" "$work/by-pkg-config/consumer" | check_reactions "pkg-config"

echo "== Debian package"
rm -rf "$B/package"
(cd "$B" && cpack -G DEB -B "$B/package" >/dev/null)
deb="$B/package/plovkmr_${VERSION}_amd64.deb"
[ -f "$deb" ] || fail "no $deb"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = plovkmr ] && [ "$(field Version)" = "$VERSION" ] &&
    [ "$(field Architecture)" = amd64 ] || fail "control fields: $(dpkg-deb -f "$deb")"
depends="$(field Depends)"
for d in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
         fonts-ipafont-gothic fonts-ipafont-mincho; do
    [[ ", $depends," == *", $d"[\ ,]* ]] || fail "Depends lacks $d: $depends"
done
contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for f in ./usr/bin/plovkmr ./usr/bin/PLOVKmr ./usr/libexec/plovkmr/plovkmr-report \
         ./usr/include/kmrengine.h "./usr/$libdir/libkmrengine.so.$VERSION" \
         "./usr/$libdir/cmake/kmrengine/kmrengineTargets.cmake" \
         "./usr/$libdir/pkgconfig/kmrengine.pc" ./usr/share/applications/plovkmr.desktop \
         ./usr/share/mime/packages/plovkmr.xml ./usr/share/icons/hicolor/scalable/apps/plovkmr.svg \
         ./usr/share/icons/hicolor/48x48/apps/plovkmr.png ./usr/share/plovkmr/help/PLOVKmr.html \
         ./usr/share/man/man1/plovkmr.1.gz; do
    grep -qxF "$f" <<<"$contents" || fail "package lacks $f"
done
# The package's own tree: the programs find their library and helper there.
dpkg-deb -x "$deb" "$work/unpacked"
QT_QPA_PLATFORM=offscreen "$work/unpacked/usr/bin/plovkmr" report \
    "$KMR_ROOT/examples/two-span-sample.KMX" -o "$work/unpacked.pdf" >/dev/null
[ -s "$work/unpacked.pdf" ] || fail "plovkmr report of the package wrote no PDF"
echo "== installation and package checked: $deb"
