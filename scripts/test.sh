#!/usr/bin/env bash
# Builds quillnote with warnings as errors and runs every test on a virtual X
# server: first under AddressSanitizer and UBSan, then the fuzz targets for a
# bounded time, then the normal build, whose summary closes the output.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset")

# Style is checked, not remembered: every tracked source as clang-format has it.
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -C "$top" ls-files -z '*.cpp' '*.h' | (cd "$top" && xargs -0 clang-format --dry-run -Werror)
fi

# The whole suite with the sanitizers; leaks of the desktop's own libraries are suppressed.
# The leak checker does not scan thread-local storage: this compiler's checker
# crashes now and then on the dynamic thread-local block that the JPEG library
# leaves behind on threads that decoded a picture (use_tls=0).
asan="$top/build/asan"
cmake -S "$top" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLNOTE_WERROR=ON \
    -DQUILLNOTE_SANITIZE=ON >/dev/null
cmake --build "$asan" -j2
if ! (cd "$asan" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$top/tests/lsan.supp":use_tls=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "${xvfb[@]}" ctest --output-on-failure -j2 "$@" >"$asan/ctest.log" 2>&1); then
    cat "$asan/ctest.log"
    exit 1
fi
echo "sanitizer build: $(grep 'tests passed' "$asan/ctest.log")"

# The note file reader and the picture probe under libFuzzer with the
# sanitizers, from their seed corpora (copied: new finds stay out of the tree).
fuzz="$top/build/fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLNOTE_FUZZ=ON -DQUILLNOTE_SANITIZE=ON -DQUILLNOTE_WEBENGINE=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$fuzz" --target fuzz_noterecord fuzz_picture -j2
for target in noterecord:corpus picture:corpus-picture; do
    corpus=$(mktemp -d)
    cp "$top/fuzz/${target#*:}"/* "$corpus"/
    log="$fuzz/${target%%:*}.log"
    if ! "$fuzz/fuzz/fuzz_${target%%:*}" -max_total_time="${QUILLNOTE_FUZZ_SECONDS:-20}" \
        -max_len=65536 -rss_limit_mb=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    echo "fuzz_${target%%:*}: $(grep '^Done' "$log")"
    rm -rf "$corpus"
done

build="$top/build/test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLNOTE_WERROR=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
"${xvfb[@]}" ctest --output-on-failure -j2 "$@"
