#!/usr/bin/env bash
# Builds quillnote with warnings as errors and runs every test with CTest on
# a virtual X server.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLNOTE_WERROR=ON >/dev/null
cmake --build "$build" -j2

# The note file reader under libFuzzer with AddressSanitizer and UBSan, for a
# bounded time, from the seed corpus (copied: new finds stay out of the tree).
fuzz="$top/build/fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLNOTE_FUZZ=ON -DQUILLNOTE_SANITIZE=ON -DQUILLNOTE_WEBENGINE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$fuzz" --target fuzz_noterecord -j2
corpus=$(mktemp -d)
cp "$top"/fuzz/corpus/* "$corpus"/
"$fuzz/fuzz/fuzz_noterecord" -max_total_time="${QUILLNOTE_FUZZ_SECONDS:-30}" -max_len=65536 \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
rm -rf "$corpus"

cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset" ctest --output-on-failure -j2 "$@"
