#!/usr/bin/env bash
# plovkmr.exe under Wine against the Linux plovkmr: for every example and for
# a data file named in Japanese in a folder named in Japanese, the same
# standard output (calc, dump, diagram), byte for byte, and the same exit
# status; refusals and file errors end alike; a conversion writes the same
# bytes.
# Usage: same_as_linux.sh WINE PLOVKMR.EXE LINUX-PLOVKMR EXAMPLES-DIR WORK-DIR
set -u
wine=$1 win=$(realpath "$2") linux=$(realpath "$3") examples=$(realpath "$4") work=$5
# Wine turns the arguments into UTF-16 by the locale's character set.
export LC_ALL=C.UTF-8
failed=0

rm -rf "$work"
mkdir -p "$work/構造計算"
work=$(realpath "$work")

# same ARGS...: both programs with the same arguments.
same() {
    "$linux" "$@" >"$work/linux.out" 2>/dev/null
    local l=$?
    "$wine" "$win" "$@" >"$work/windows.out" 2>/dev/null
    local w=$?
    if [ "$l" != "$w" ] || ! cmp -s "$work/linux.out" "$work/windows.out"; then
        echo "DIFFERS: plovkmr $* (exit $l on Linux, $w on Windows)"
        diff "$work/linux.out" "$work/windows.out" | head -5
        failed=1
    fi
}

for f in "$examples"/*.KMX "$examples"/*.Kmr; do
    same calc --json "$f"
    same calc "$f"
    same dump "$f"
    same diagram "$f"
done
same diagram --csv --points 7 "$examples/three-span-floor-beam.KMX"
same calc --json "$examples"/*.KMX

jp="$work/構造計算"
cp "$examples/three-span-floor-beam.KMX" "$jp/三スパン梁.KMX"
cp "$examples/old-two-span.Kmr" "$jp/旧データ.Kmr"
mkdir "$jp/フォルダ.KMX"
same calc --json "$jp/三スパン梁.KMX"
same dump "$jp/三スパン梁.KMX"
same dump "$jp/旧データ.Kmr"
same diagram --csv "$jp/三スパン梁.KMX"
pushd "$jp" >/dev/null
same calc --json 三スパン梁.KMX                 # relative to a Japanese folder
popd >/dev/null
same dump "$jp/フォルダ.KMX"                   # a folder: file error
same calc --json "$jp/無い.KMX"                # missing: file error
same calc "$jp/三スパン梁.KMX" "$jp/無い.KMX"
same dump                                      # usage errors
same dump "$jp/三スパン梁.KMX" "$jp/旧データ.Kmr"
same calc --xml "$jp/三スパン梁.KMX"
same no-such-verb

# Conversion into Japanese folders: Windows writes, replaces with --force,
# refuses to overwrite without it; the bytes are those Linux writes.
mkdir "$jp/Linux版" "$jp/Windows版"
"$linux" convert "$jp/旧データ.Kmr" -o "$jp/Linux版" >/dev/null 2>&1
for round in 1 2; do
    "$wine" "$win" convert "$jp/旧データ.Kmr" -o "$jp/Windows版" --force >/dev/null 2>&1 ||
        { echo "DIFFERS: convert failed on Windows (round $round)"; failed=1; }
    cmp "$jp/Linux版/旧データ.KMX" "$jp/Windows版/旧データ.KMX" || failed=1
done
same convert "$jp/旧データ.Kmr" -o "$jp/Windows版"  # exists: file error
if [ "$(ls -A "$jp/Windows版")" != "旧データ.KMX" ]; then
    echo "DIFFERS: left in the folder: $(ls -A "$jp/Windows版")"
    failed=1
fi

[ "$failed" = 0 ] && echo "plovkmr.exe prints and ends as the Linux plovkmr"
exit "$failed"
