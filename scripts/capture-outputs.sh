#!/usr/bin/env bash
# Captures every visible output of the command line for the examples and a
# set of altered copies into one folder, so that two builds can be compared
# byte for byte:
#
#   scripts/capture-outputs.sh BUILD_DIR OUT_DIR
#   scripts/capture-outputs.sh build-before /tmp/before
#   scripts/capture-outputs.sh build /tmp/after
#   diff -r /tmp/before /tmp/after
#
# Per data file: dump, calc (text, --json), diagram (JSON, CSV), the exit
# statuses and standard error, and the report with and without diagrams and
# page break as text (pdftotext) and as page images (pdftoppm -r 50). The
# PDFs themselves are not kept: they carry the time they were made.
#
# The altered copies change one field of a version-3 file in place (the
# header and record layout of model/FileImage.h): CommonLoadOff, InputUnit,
# OutputUnit and the condition of support 1.
set -uo pipefail

build=${1:?build directory}
out=${2:?output directory}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
cli="$build/app/plovkmr"
[ -x "$cli" ] || { echo "no $cli" >&2; exit 1; }
mkdir -p "$out/data"
out=$(cd "$out" && pwd)

# patch FILE OFFSET INT32 -> writes a copy with a little-endian int32 there.
patch_int() {
    python3 - "$1" "$2" "$3" "$4" <<'EOF'
import struct, sys
src, offset, value, dst = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
data = bytearray(open(src, 'rb').read())
data[offset:offset + 4] = struct.pack('<i', value)
open(dst, 'wb').write(data)
EOF
}

# Offsets in a version-3 file (packed records).
common_load_off=43
input_unit=109
output_unit=113
support1_condition=$((125 + 11 * 347 + 91 + 7))

cp "$root"/examples/*.KMX "$root"/examples/*.Kmr "$out/data/"
base="$root/examples/three-span-floor-beam.KMX"
for v in 0 1 2 -1 -2147483648; do
    patch_int "$base" $common_load_off "$v" "$out/data/common-off_$v.KMX"
done
for v in 0 1 2 -1 99; do
    patch_int "$base" $input_unit "$v" "$out/data/input-unit_$v.KMX"
    patch_int "$base" $output_unit "$v" "$out/data/output-unit_$v.KMX"
done
patch_int "$root/examples/cantilevered-balcony-beam.KMX" $output_unit 0 \
    "$out/data/balcony-in-t.KMX"
for v in 0 1 2 3 4 99 -1; do
    patch_int "$base" $support1_condition "$v" \
        "$out/data/support-1_$v.KMX"
done

# Runs a command and keeps its standard output, standard error and status.
run() {
    local name=$1
    shift
    "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo $? >"$out/$name.rc"
}

# The file's own name (not its folder) in messages and report headers.
cd "$out/data"
for f in *.KMX *.Kmr; do
    n=${f%.*}
    run "$n.dump" "$cli" dump "$f"
    run "$n.calc" "$cli" calc "$f"
    run "$n.calc-json" "$cli" calc "$f" --json
    run "$n.diagram" "$cli" diagram "$f"
    run "$n.diagram-csv" "$cli" diagram "$f" --csv --points 7
    for opts in "--diagrams --page-break" "--diagrams --no-page-break" \
        "--no-diagrams --page-break" "--no-diagrams --no-page-break"; do
        tag=$(echo "$opts" | tr -d ' -')
        pdf="$n.$tag.pdf"
        rm -f "$pdf"
        # shellcheck disable=SC2086
        run "$n.report-$tag" "$cli" report "$f" -o "$pdf" $opts
        if [ -f "$pdf" ]; then
            pdftotext -layout "$pdf" "$out/$n.report-$tag.txt"
            pdftoppm -r 50 -png "$pdf" "$out/$n.report-$tag.page"
            rm -f "$pdf"
        fi
    done
done
echo "captured into $out"
