#!/usr/bin/env bash
# Shared-folder benchmark: the real program with 101 notes, on Xvfb with
# openbox, while a scripted user drags notes about. In one run of SECONDS
# another program (a sync tool) rewrites one note file every 100 ms, each
# time reading it, changing its memo and renaming the new file over it; in
# a run of the same length beside it, nobody else writes. Then a minute
# with neither. Counted at the end, from the files: every user's drag and
# every outside change that a file should keep; the program's CPU in both
# runs; the files written in the idle minute.
# Usage: bench/run_shared.sh BUILD_DIR [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
QUILLNOTE="$(cd "$1" && pwd)/src/quillnote"
seconds=${2:-60}
. "$top/tests/e2e/lib.sh"
start_desktop notray

# Notes 100 pixels square on a grid of 12 by 9 (15 twips a pixel at 96 dpi).
lay_out_notes() {
    rm -f "$app"/*.dat
    local i
    for i in $(seq 0 100); do
        printf '%s\r\n' "/nowhere/p.png,$((i % 12 * 105 * 15)),$((i / 12 * 110 * 15)),1500,1500,16777215,f,9,0,False,False,False,memo $i," \
            >"$app/$(printf %03d "$i").dat"
    done
}
field() { iconv -f CP932 -t UTF-8 <"$1" | head -n 1 | cut -d, -f"$2"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# The other program: one note file every 100 ms, memo "outside N", as it
# read the file a moment before; the last memo given to each file is logged.
outside_writer() {
    local n=0 file
    while :; do
        file="$app/$(printf %03d $((n * 37 % 101))).dat"
        iconv -f CP932 -t UTF-8 <"$file" | head -n 1 |
            awk -F, -v OFS=, -v m="outside $n" '{ $13 = m; printf "%s\r\n", $0 }' |
            iconv -f UTF-8 -t CP932 >"$file.partial"
        mv "$file.partial" "$file"
        echo "$(basename "$file") outside $n" >>"$work/outside.log"
        n=$((n + 1))
        sleep 0.1
    done
}

# The user: drags a note every half second, by a few pixels, and notes
# where each dragged note stands afterwards, by its file.
drag_notes() {
    local deadline=$((SECONDS + seconds)) k=0 note x y
    mapfile -t windows < <(note_windows)
    while [ "$SECONDS" -lt "$deadline" ]; do
        note=${windows[$((k * 13 % ${#windows[@]}))]}
        read -r x y _ _ < <(geometry "$note")
        drag_by $((x + 40)) $((y + 30)) 6 4
        wait_until 5 eval "geometry $note | grep '^$((x + 6)) $((y + 4)) '" || true
        read -r x y _ _ < <(geometry "$note")
        echo "$note $((x * 15)) $((y * 15))" >>"$work/drags.log"
        k=$((k + 1))
        sleep 0.5
    done
}

# Which file each note window shows, from the places the notes started at.
window_files() {
    local w x y
    for w in $(note_windows); do
        read -r x y _ _ < <(geometry "$w")
        echo "$w $(printf %03d $((y / 110 * 12 + x / 105))).dat"
    done
}

run() {
    lay_out_notes
    : >"$work/outside.log" && : >"$work/drags.log"
    start_app
    wait_until 60 eval 'test "$(note_count)" -eq 101' || fail "$(note_count) notes shown"
    window_files >"$work/files"
    local before writer=""
    before=$(cpu_ticks "$app_pid")
    if [ "$1" = outside ]; then
        outside_writer &
        writer=$!
    fi
    drag_notes
    [ -z "$writer" ] || { kill "$writer"; wait "$writer" 2>/dev/null || true; }
    sleep 3 # the last changes are written
    local ticks=$(($(cpu_ticks "$app_pid") - before))
    # The idle minute: no input, no outside change; nothing may be written.
    if [ "$1" = outside ]; then
        stat -c '%n %i %Y' "$app"/*.dat >"$work/before-idle"
        sleep 60
        stat -c '%n %i %Y' "$app"/*.dat >"$work/after-idle"
    fi
    close_main_window
    [ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
    # Each dragged note's last place, and each file's last outside memo, in its file.
    local drags=0 drags_kept=0 changes=0 changes_kept=0 w left top file name
    while read -r w left top; do
        file=$(awk -v w="$w" '$1 == w { print $2 }' "$work/files")
        echo "$file $left $top"
    done <"$work/drags.log" | awk '{ last[$1] = $2 " " $3 } END { for (f in last) print f, last[f] }' >"$work/last-drags"
    while read -r file left top; do
        drags=$((drags + 1))
        [ "$(field "$app/$file" 2-3)" = "$left,$top" ] && drags_kept=$((drags_kept + 1))
    done <"$work/last-drags"
    awk '{ last[$1] = $2 " " $3 } END { for (f in last) print f, last[f] }' "$work/outside.log" >"$work/last-outside"
    while read -r file name; do
        changes=$((changes + 1))
        [ "$(field "$app/$file" 13)" = "$name" ] && changes_kept=$((changes_kept + 1))
    done <"$work/last-outside"
    echo "$1: cpu_ticks $ticks user_drags $(wc -l <"$work/drags.log") notes_dragged $drags kept $drags_kept" \
        "outside_writes $(wc -l <"$work/outside.log") files_changed_outside $changes kept $changes_kept" \
        "conflict_copies $(ls "$app" | grep -c '\.conflict-' || true)"
}

run alone
run outside
idle_written=$(diff "$work/before-idle" "$work/after-idle" | grep -c '^>' || true)
echo "files written in the idle minute: $idle_written"
