#!/usr/bin/env bash
# Builds quillnote with warnings as errors and runs every test on a virtual X
# server: first under AddressSanitizer and UBSan, then the fuzz targets for a
# bounded time, then the normal build and its tests, then the Debian package
# (checked with lintian; installed and used by an ordinary user when this
# runs as root). Each stage says when it starts, and a long step says every
# 25 s that it is still running.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96 -noreset")

stage() { echo "== $(date +%T) $*"; }
# Runs a command, saying every 25 s on the run's own output (also when the
# command's output goes to a log) that it still runs; its status is the command's.
exec 3>&1
with_heartbeat() {
    "$@" &
    local pid=$! start=$SECONDS next=$((SECONDS + 25))
    while kill -0 "$pid" 2>/dev/null; do
        sleep 1
        if [ "$SECONDS" -ge "$next" ]; then
            echo "   ... still running ($((SECONDS - start)) s)" >&3
            next=$((next + 25))
        fi
    done
    wait "$pid"
}

stage "installing the build and test tools"
"$top/scripts/install-deps.sh" test

# The programs under test keep their runtime files (and the lock of a notes
# folder that takes no new file) in a folder of this run, removed at its end.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Style is checked, not remembered: every tracked source as clang-format has it.
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    stage "checking the sources' format"
    git -C "$top" ls-files -z '*.cpp' '*.h' | (cd "$top" && xargs -0 clang-format --dry-run -Werror)
fi

# The whole suite with the sanitizers; leaks of the desktop's own libraries are suppressed.
# The leak checker does not scan thread-local storage: this compiler's checker
# crashes now and then on the dynamic thread-local block that the JPEG library
# leaves behind on threads that decoded a picture (use_tls=0).
stage "sanitizer build"
asan="$top/build/asan"
cmake -S "$top" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLNOTE_WERROR=ON \
    -DQUILLNOTE_SANITIZE=ON >/dev/null
with_heartbeat cmake --build "$asan" -j2
stage "sanitizer tests (output in build/asan/ctest.log)"
if ! (cd "$asan" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS=suppressions="$top/tests/lsan.supp":use_tls=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    with_heartbeat "${xvfb[@]}" ctest --output-on-failure -j2 "$@" >"$asan/ctest.log" 2>&1); then
    cat "$asan/ctest.log"
    exit 1
fi
echo "sanitizer build: $(grep 'tests passed' "$asan/ctest.log")"

# The note file reader and the picture probe under libFuzzer with the
# sanitizers, from their seed corpora (copied: new finds stay out of the tree).
stage "fuzzing build"
fuzz="$top/build/fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLNOTE_FUZZ=ON -DQUILLNOTE_SANITIZE=ON -DQUILLNOTE_WEBENGINE=OFF -DBUILD_TESTING=OFF >/dev/null
with_heartbeat cmake --build "$fuzz" --target fuzz_noterecord fuzz_picture -j2
for target in noterecord:corpus picture:corpus-picture; do
    stage "fuzzing fuzz_${target%%:*} for ${QUILLNOTE_FUZZ_SECONDS:-20} s"
    corpus=$(mktemp -d)
    cp "$top/fuzz/${target#*:}"/* "$corpus"/
    log="$fuzz/${target%%:*}.log"
    if ! with_heartbeat "$fuzz/fuzz/fuzz_${target%%:*}" -max_total_time="${QUILLNOTE_FUZZ_SECONDS:-20}" \
        -max_len=65536 -rss_limit_mb=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    echo "fuzz_${target%%:*}: $(grep '^Done' "$log")"
    rm -rf "$corpus"
done

stage "normal build"
build="$top/build/test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLNOTE_WERROR=ON >/dev/null
with_heartbeat cmake --build "$build" -j2
stage "tests"
(cd "$build" && with_heartbeat "${xvfb[@]}" ctest --output-on-failure -j2 "$@")

# The package of this build; lintian's scratch files stay in a folder of the run.
stage "Debian package"
deb=$(TMPDIR="$XDG_RUNTIME_DIR" "$top/scripts/package.sh" "$build" | tail -n 1)
stage "installing and using the package"
with_heartbeat bash "$top/tests/e2e/package.sh" "$deb" "$build/tests/e2e_dragsource"
