#!/bin/sh
# Two clean builds of korvane.exe give the same bytes: a second build tree at
# another path, from the same sources and toolchain, must produce the exe of
# the build under test byte for byte.
#   check_reproducible.sh SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE KORVANE.EXE WORK_DIR
set -eu
source=$1 toolchain=$2 buildType=$3 exe=$4 work=$5
rm -rf "$work"
cmake -S "$source" -B "$work" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE="$buildType" \
    -DLANTERRA_WINE_TESTS=OFF >/dev/null
cmake --build "$work" -j2 --target korvane >/dev/null
if cmp -s "$exe" "$work/korvane.exe"; then
    echo "ok: $(wc -c < "$exe") bytes, identical"
    rm -rf "$work"
    exit 0
fi
echo "FAIL: $exe and $work/korvane.exe differ:"
cmp -l "$exe" "$work/korvane.exe" | head -20
exit 1
