#!/usr/bin/env bash
# Web pane benchmark: 101 notes with small pictures and their panes shown,
# against a plain Qt program with a web view in each of 101 windows, in the
# same run on Xvfb with openbox: first with a page that cannot load, then
# with one served on 127.0.0.1. The browser engine runs only for an
# ordinary user: as root, a user of this run runs both.
# Usage: bench/run_webpanes.sh BUILD_DIR [ROUNDS]   (BUILD_DIR has the benchmarks built)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
rounds=${2:-3}
. "$top/tests/e2e/lib.sh"
start_desktop notray
"$build/tests/e2e_pageserver" >"$work/port" &
pids+=($!)
wait_until 20 test -s "$work/port" || fail "the page server did not start"

desktop_user quillnote-bench

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
value() { awk -v key="$1" '$1 == key { print $2 }' "$2"; }

for page in unreachable served; do
    proxy=127.0.0.1:1
    [ "$page" = served ] && proxy="127.0.0.1:$(cat "$work/port")"
    : >"$work/plain" && : >"$work/notes"
    for round in $(seq "$rounds"); do
        "${as_user[@]}" QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=$proxy" \
            "$build/bench/bench_plainweb" >"$work/round" 2>/dev/null
        echo "round $round plain: $(tr '\n' ' ' <"$work/round")"
        cat "$work/round" >>"$work/plain"
        "${as_user[@]}" QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=$proxy" \
            "$build/src/bench_webpanes" "$page" >"$work/round" 2>/dev/null
        echo "round $round notes: $(tr '\n' ' ' <"$work/round")"
        cat "$work/round" >>"$work/notes"
    done
    echo "$page page, medians of $rounds rounds (notes / plain):"
    for key in shown_ms settle_ms pss_mib; do
        p=$(value "$key" "$work/plain" | median)
        n=$(value "$key" "$work/notes" | median)
        awk -v k="$key" -v n="$n" -v p="$p" 'BEGIN { printf "  %-9s %8s / %8s = %.2f\n", k, n, p, n / p }'
    done
    echo "  live_ms   $(value live_ms "$work/notes" | median) (longest of 30 panes, median of rounds)"
    echo "  pss_mib after 30 panes went live: $(value pss_after_mib "$work/notes" | median)"
done
