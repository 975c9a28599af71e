#!/usr/bin/env bash
# Start-up benchmark: 101 notes, each with a 4000 × 3000 JPEG and a 64 × 64
# background tile, web panes hidden, against a plain Qt program opening 101
# frameless windows with a label; both on Xvfb with openbox, in the same run.
# Usage: bench/run_startup.sh BUILD_DIR [ROUNDS]   (BUILD_DIR has the benchmarks built)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bench="$(cd "$1" && pwd)/bench/bench_startup"
plain="$(cd "$1" && pwd)/bench/bench_plain"
rounds=${2:-5}
QUILLNOTE=$bench
. "$top/tests/e2e/lib.sh"
start_desktop notray

notes="$work/notes"
mkdir -p "$notes"
# Noise makes it as costly to decode as a photograph (about 5 MB).
convert -size 4000x3000 gradient:skyblue-darkgreen -attenuate 0.4 +noise Gaussian -quality 90 "$work/photo.jpg"
convert -size 64x64 pattern:checkerboard "$work/tile.png"
for i in $(seq -w 1 101); do
    cp "$work/photo.jpg" "$notes/photo$i.jpg"
    printf '%s\r\n' "$notes/photo$i.jpg,$((10#$i * 100)),$((10#$i * 60)),3000,3000,16777215,f,9,0,False,False,False,memo $i,$work/tile.png" \
        >"$notes/$i.dat"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
value() { awk -v key="$1" '$1 == key { print $2 }'; }

: >"$work/plain" && : >"$work/quillnote" && : >"$work/decode"
for _ in $(seq "$rounds"); do
    sync
    "$plain" 101 >>"$work/plain"
    "$bench" quillnote "$notes" >>"$work/quillnote"
    "$bench" decode "$notes" >>"$work/decode"
done
"$bench" tile >"$work/tile"

# Every round's figures, so that a noisy round can be seen for what it is.
for f in plain quillnote decode; do
    echo "$f: $(awk '{ printf "%s=%s ", $1, $2 }' "$work/$f")"
done
plain_shown=$(value shown_ms <"$work/plain" | median)
plain_pss=$(value peak_pss_kib <"$work/plain" | median)
shown=$(value shown_ms <"$work/quillnote" | median)
painted=$(value painted_ms <"$work/quillnote" | median)
pss=$(value peak_pss_kib <"$work/quillnote" | median)
decode=$(value decode_ms <"$work/decode" | median)
tile=$(value tile_paint_ms <"$work/tile")
awk -v ps="$plain_shown" -v pp="$plain_pss" -v s="$shown" -v p="$painted" -v m="$pss" -v d="$decode" -v t="$tile" -v r="$rounds" 'BEGIN {
    printf "medians of %d rounds, 101 windows\n", r
    printf "plain Qt program: all shown %.0f ms, peak PSS %.1f MiB\n", ps, pp / 1024
    printf "quillnote:        all shown %.0f ms (%.2fx), all pictures painted %.0f ms, peak PSS %.1f MiB (%.2fx)\n", s, s / ps, p, m / 1024, m / pp
    printf "decoding 101 pictures at 1/8 on every core: %.0f ms; painted / (decode + 20%%) = %.2f\n", d, p / (d * 1.2)
    printf "one paint of a note tiled with 1 x 1 pixels: %.2f ms\n", t
}'
