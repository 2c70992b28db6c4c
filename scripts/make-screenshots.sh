#!/usr/bin/env bash
# Remakes the pictures of the README from the bundled example
# three-span-floor-beam.KMX: docs/window.png (the main window with the
# example open), docs/results-page.png (its results page),
# docs/check-page.png (its section check, two sections chosen) and
# docs/report-page-1.png (the first page of its calculation report). Uses
# the normal build (build/), headless.
source "$(dirname "$0")/common.sh"
B="$KMR_ROOT/build"
EXAMPLE="$KMR_ROOT/examples/three-span-floor-beam.KMX"
[ -d "$B" ] || kmr_build build
cmake --build "$B" --target kmrui_tests plovkmr >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The window pictures of the screenshot test; the example's is kept.
KMR_SCREENSHOT_DIR="$work" "$B/tests/ui/kmrui_tests" \
    --gtest_filter='ExamplesTest.PicturesOfTheWindows' >/dev/null
mkdir -p "$KMR_ROOT/docs"
cp "$work/example-window.png" "$KMR_ROOT/docs/window.png"
cp "$work/results-page.png" "$KMR_ROOT/docs/results-page.png"
cp "$work/check-page.png" "$KMR_ROOT/docs/check-page.png"

"$B/app/plovkmr" report "$EXAMPLE" -o "$work/report.pdf" >/dev/null
pdftoppm -png -r 96 -f 1 -l 1 -singlefile "$work/report.pdf" "$KMR_ROOT/docs/report-page-1"
echo "== docs/window.png, docs/results-page.png, docs/check-page.png, docs/report-page-1.png"
