#!/usr/bin/env bash
# Desktop tests of the real program.
# Usage: scenarios.sh SCENARIO QUILLNOTE DRAGSOURCE PAGESERVER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
scenario=$1
QUILLNOTE=$2
DRAGSOURCE=$3
PAGESERVER=${4:-}

font="ＭＳ Ｐゴシック"

# Notes open in file order at their stored places; closing the main window
# rewrites every file in the save form.
startup_and_exit() {
    start_desktop
    write_note 10.dat "/nowhere/a.png,1500,1200,3000,3000,&H00FFFFFF&,$font,9,&H00000000&,False,False,False,,"
    write_note 9.dat "/nowhere/b.png,4500,1500,3600,3300,12640511,$font,11,255,True,false,0,一行目<br>二行目,"
    write_note B.DAT "/nowhere/c.png,9000,3000,2400,2700,0,$font,9,65280,0,1,False,memo,"
    local inode
    inode=$(stat -c %i "$app/10.dat")
    start_app
    wait_until 10 eval 'test "$(note_count)" -eq 3' || fail "$(note_count) note windows, expected 3"
    mapfile -t notes < <(note_windows)
    [ "${#notes[@]}" -eq 3 ] || fail "${#notes[@]} note windows, expected 3"
    [ "$(geometry "${notes[0]}")" = "100 80 200 200" ] || fail "10.dat at $(geometry "${notes[0]}")"
    [ "$(geometry "${notes[1]}")" = "300 100 240 220" ] || fail "9.dat at $(geometry "${notes[1]}")"
    [ "$(geometry "${notes[2]}")" = "600 200 160 180" ] || fail "B.DAT at $(geometry "${notes[2]}")"
    # Window lists show notes without a caption.
    [ "$(xprop -id "${notes[0]}" WM_NAME)" = 'WM_NAME(STRING) = ' ] || fail "a note has a caption"
    xprop -id "${notes[0]}" _NET_WM_NAME | contains 'not found' || fail "a note has a caption"
    close_main_window
    [ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
    # Notes the user did not change leave their files alone, in the forms they have.
    expect_note 10.dat "/nowhere/a.png,1500,1200,3000,3000,&H00FFFFFF&,$font,9,&H00000000&,False,False,False,,"
    expect_note 9.dat "/nowhere/b.png,4500,1500,3600,3300,12640511,$font,11,255,True,false,0,一行目<br>二行目,"
    expect_note B.DAT "/nowhere/c.png,9000,3000,2400,2700,0,$font,9,65280,0,1,False,memo,"
    [ "$(stat -c %i "$app/10.dat")" = "$inode" ] || fail "10.dat was replaced"
}

# A picture dropped from a file manager on the main window, beside and over
# its label, makes a new note there.
drop_on_main_window() {
    start_desktop
    mkdir -p "$work/my pictures"
    local photo="$work/my pictures/写真 その1.png"
    picture "$photo" 40 30 red
    start_app
    local window
    window=$(main_window)
    read -r x y w h < <(geometry "$window")
    read -r left top < <(main_frame_origin)
    drag_files $((x + w / 2)) $((y + h / 2)) "$photo" "$work/ignored.png"
    wait_until 20 bash -c "ls '$app'/*.dat" || fail "no note file after a drop on the label"
    wait_until 20 eval 'test "$(note_count)" -eq 1' || fail "no note window after a drop on the label"
    # The new note covers the main window: move it aside for the next drop.
    xdotool windowmove "$(first_note)" 800 600
    drag_files $((x + 4)) $((y + 4)) "$photo"
    wait_until 20 eval 'test "$(ls "$app"/*.dat | wc -l)" -eq 2' || fail "no note file after a drop beside the label"
    local file
    for file in "$app"/*.dat; do
        expect_note "$(basename "$file")" "$photo,$((left * 15)),$((top * 15)),3000,3000,&H00FFFFFF&,$font,9,&H00000000&,False,False,False,,"
    done
    wait_until 20 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) note windows after two drops"
    mapfile -t notes < <(note_windows)
    [ "$(geometry "${notes[1]}")" = "$left $top 200 200" ] || fail "new note at $(geometry "${notes[1]}")"
}

# A picture dropped on a note, over its memo being edited and over its web
# pane, becomes the tiled background; the path is saved at exit.
drop_on_note() {
    start_desktop
    picture "$work/green.png" 8 8 lime
    picture "$work/blue.png" 8 8 blue
    picture "$work/wide.png" 40 20 white
    write_note 1.dat "$work/wide.png,150,150,6000,6000,16777215,$font,9,0,False,False,True,,"
    start_app
    local note
    note=$(first_note)
    read -r x y w h < <(geometry "$note")
    # 400 × 400 pixels: picture 372 × 186 from 10, 10; memo from 203 to 360; pane from 370.
    local memo_x=$((x + 4 + 60)) memo_y=$((y + 4 + 230))
    xdotool mousemove "$memo_x" "$memo_y" click 1
    drag_files "$memo_x" "$memo_y" "$work/green.png"
    shot
    [ "$(pixel $((x + 300)) $((y + 8)))" = "0,255,0" ] || fail "no green tiles after a drop on the memo"
    drag_files $((x + 100)) $((y + 4 + 380)) "$work/blue.png"
    shot
    [ "$(pixel $((x + 300)) $((y + 8)))" = "0,0,255" ] || fail "no blue tiles after a drop on the web pane"
    xdotool mousemove $((x + 100)) $((y + 100)) click 1
    close_main_window
    expect_note 1.dat "$work/wide.png,150,150,6000,6000,16777215,$font,9,0,False,False,True,,$work/blue.png"
}

# Dragging a note with the left button moves it by the pointer's delta.
drag_note() {
    start_desktop
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    drag_first_note 200
    close_main_window
    expect_note 1.dat "/nowhere/a.png,2055,1545,3000,3000,16777215,$font,9,0,False,False,False,,"
}

confirmation() { client_windows | awk '$2 == "quillnote" { print $1 }' | while read -r w; do xprop -id "$w" _NET_WM_WINDOW_TYPE; done | contains DIALOG; }

# "捨てる" from the menu of a right press, confirmed with Return, moves the
# note file to the desktop's trash at once; nothing is written at exit, and
# the note restored from the trash opens at the next start.
discard_note() {
    start_desktop
    export XDG_DATA_HOME="$work/data"
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    write_note 2.dat "/nowhere/b.png,6000,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    local note
    note=$(first_note)
    read -r x y _ _ < <(geometry "$note")
    xdotool mousemove $((x + 50)) $((y + 50)) click 3
    wait_until 10 popup_menu || fail "no menu after a right press"
    xdotool key Up Up # past the placement submenu, the last item
    sleep 0.2
    xdotool key Return
    wait_until 10 confirmation || fail "no confirmation"
    xdotool key Return
    wait_until 10 test ! -e "$app/1.dat" || fail "1.dat still there after the discard"
    wait_until 10 eval 'test "$(note_count)" -eq 1' || fail "the discarded note is still on screen"
    close_main_window
    [ ! -e "$app/1.dat" ] || fail "1.dat written again at exit"
    expect_note 2.dat "/nowhere/b.png,6000,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    local trash="$XDG_DATA_HOME/Trash"
    contains -x "Path=$app/1.dat" <"$trash/info/1.dat.trashinfo" || fail "no record of 1.dat in the trash"
    # Restored as a file manager restores it: back to the path the record names.
    mv "$trash/files/1.dat" "$app/1.dat" && rm "$trash/info/1.dat.trashinfo"
    expect_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    wait_until 10 eval 'test "$(note_count)" -eq 2' || fail "the restored note did not open"
}

# Typed memo text (Japanese, commas) is saved exactly and survives a restart.
busy_loops=()
type_memo() {
    start_desktop
    picture "$work/wide.png" 40 20 white
    write_note 1.dat "$work/wide.png,1500,1200,4500,4500,16777215,$font,9,0,False,False,False,,"
    start_app
    local note
    note=$(first_note)
    read -r x y _ _ < <(geometry "$note")
    # The Japanese letters get keys of their own before anything is typed:
    # xdotool would otherwise remap a key for each, racing the program's
    # reading of the new key map. The program sees the new map before the click.
    xmodmap -e "keycode 200 = U4ED8" -e "keycode 201 = U7B8B"
    # Keys that come before the window manager moves the focus go to the
    # window that has it: one of the program's, as at a user's desk.
    wait_until 10 eval 'xprop -id "$(active_window)" WM_CLASS | contains quillnote' ||
        fail "no window of the program has the focus"
    # 300 × 300 pixels: picture 272 × 136 from 10, 10; the memo from 153 down.
    # Typed at once after the click, on a busy machine: the keys that come
    # before the note has the keyboard still reach the memo.
    local busy
    for busy in 1 2; do
        sh -c 'while :; do :; done' &
        pids+=($!)
        busy_loops+=($!)
    done
    xdotool mousemove $((x + 30)) $((y + 4 + 170)) click 1
    xdotool type --delay 40 "Memo 付箋, a,b"
    xdotool mousemove $((x + 100)) $((y + 100)) click 1
    kill "${busy_loops[@]}"
    close_main_window
    local first="$work/wide.png,1500,1200,4500,4500,16777215,$font,9,0,False,False,False,Memo 付箋， a，b,"
    local checksum
    checksum=$(printf '%s\r\n' "$first" | iconv -f UTF-8 -t CP932 | sha256sum | cut -c1-16)
    expect_note 1.dat "$first"$'\r\n'"~quillnote-exact $checksum 12=Memo%20%E4%BB%98%E7%AE%8B%2C%20a%2Cb"
    local before
    before=$(sha256sum <"$app/1.dat")
    start_app
    close_main_window
    [ "$(sha256sum <"$app/1.dat")" = "$before" ] || fail "the file changed after a restart and close"
}

# On an English desktop, Shift+F10 on the focused note opens its menu in
# English, and an item's letter chooses it.
english_menu() {
    start_desktop
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app QT_LOGGING_RULES="quillnote.notemenu.debug=true" LANG=en_US.UTF-8 LC_ALL= LC_MESSAGES= \
        LANGUAGE=
    local note
    note=$(first_note)
    read -r x y _ _ < <(geometry "$note")
    xdotool mousemove $((x + 50)) $((y + 50)) click 1
    wait_until 10 eval 'test "$(active_window)" -eq "$((note))"' || fail "the clicked note has no focus"
    xdotool key shift+F10
    wait_until 10 popup_menu || fail "no menu after Shift+F10"
    local items="&Font | &Text colour | &Background colour | &Remove the background picture | &Web pane on/off | &Discard | &Placement"
    wait_until 10 contains -F "shown: $items" "$work/app.log" ||
        fail "the menu shows: $(grep 'shown:' "$work/app.log")"
    xdotool key d
    wait_until 10 confirmation || fail "the letter d did not choose Discard"
    xdotool key Escape
    close_main_window
    expect_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
}

# Withdrawn: unmapped, without WM_STATE and out of the window manager's list.
withdrawn() {
    [ "$(map_state "$1")" = IsUnMapped ] && [ -z "$(wm_state "$1")" ] && ! in_client_list "$1"
}

# Minimise withdraws the main window while a tray runs; left and right
# presses and a double click on the tray icon bring it back.
minimise_to_tray() {
    start_desktop
    start_app
    local window
    window=$(main_window)
    wait_until 20 test -n "$(tray_icon_centre)" || fail "no tray icon"
    read -r tx ty < <(tray_icon_centre)
    local press
    for press in "click 1" "click 3" "click --repeat 2 --delay 80 1"; do
        xdotool windowminimize "$window"
        wait_until 20 withdrawn "$window" ||
            fail "not withdrawn before $press: $(map_state "$window") WM_STATE '$(wm_state "$window")'"
        xdotool mousemove "$tx" "$ty" $press
        wait_until 20 eval 'test "$(map_state "$window")" = IsViewable' || fail "not restored by $press"
        wait_until 20 eval 'test "$(active_window)" = "$window"' || fail "not active after $press"
        [ "$(wm_state "$window")" = Normal ] || fail "WM_STATE $(wm_state "$window") after $press"
    done
}

# Without a tray the main window minimises as usual instead of vanishing.
minimise_without_tray() {
    start_desktop notray
    start_app
    local window
    window=$(main_window)
    xdotool windowminimize "$window"
    wait_until 10 eval 'test "$(wm_state "$window")" = Iconic' || fail "WM_STATE $(wm_state "$window")"
    in_client_list "$window" || fail "the minimised window left the client list"
}

second_copy_notice() { client_windows | awk '$2 == "quillnote"' | while read -r w _; do xprop -id "$w" _NET_WM_PID; done | contains "= $1\$"; }

# A second start shows the notice and ends; SIGTERM saves and ends with 0;
# SIGKILL leaves every file whole and does not block the next start.
second_copy_and_signals() {
    start_desktop
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,&H00FFFFFF&,$font,9,&H00000000&,False,False,False,,"
    start_app
    local before
    before=$(sha256sum "$app/1.dat")
    (cd "$app" && exec ./quillnote) >>"$work/second.log" 2>&1 &
    local second=$!
    pids+=("$second")
    wait_until 20 second_copy_notice "$second" || fail "no notice from the second copy"
    local notice
    notice=$(client_windows | awk '$2 == "quillnote" { print $1 }' | while read -r w; do
        xprop -id "$w" _NET_WM_PID | contains "= $second\$" && echo "$w"; done | sed -n 1p)
    xdotool windowactivate --sync "$notice" key Return
    wait_exit "$second" 20
    [ "$exit_status" -eq 0 ] || fail "second copy ended with $exit_status"
    [ "$(sha256sum "$app/1.dat")" = "$before" ] || fail "the second copy changed 1.dat"

    kill -TERM "$app_pid"
    wait_exit "$app_pid" 20
    [ "$exit_status" -eq 0 ] || fail "SIGTERM exit status $exit_status"
    [ "$(sha256sum "$app/1.dat")" = "$before" ] || fail "SIGTERM rewrote the unchanged 1.dat"

    before=$(sha256sum "$app/1.dat")
    start_app
    kill -KILL "$app_pid"
    wait_exit "$app_pid" 20
    [ "$(sha256sum "$app/1.dat")" = "$before" ] || fail "SIGKILL changed 1.dat"
    start_app
    [ -z "$(client_windows | awk '$2 == "quillnote"' | while read -r w _; do xprop -id "$w" _NET_WM_WINDOW_TYPE; done | grep DIALOG)" ] ||
        fail "the lock of the killed copy blocked the next start"
}

# folder_free: no copy's lock or hand-over socket is left, in the notes folder or the runtime folder.
folder_free() {
    [ -z "$(ls -A "$app" | grep '^\.quillnote\.')" ] || fail "left in the folder: $(ls -A "$app")"
    [ -z "$(ls -A "$XDG_RUNTIME_DIR" | grep '^quillnote-')" ] ||
        fail "left in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR")"
}

# A lock that a sync tool or a stray program left in the notes folder (here
# a fifo, which would block whoever reads it) neither keeps the program out
# nor holds its start; it is removed.
planted_lock() {
    start_desktop notray
    mkfifo "$app/.quillnote.lock"
    printf '1\nquillnote\nelsewhere.example\n' >"$app/.quillnote.socket"
    start_app
    [ ! -e "$app/.quillnote.lock" ] || fail "the planted lock is still in the notes folder"
    [ ! -e "$app/.quillnote.socket" ] || fail "the planted socket is still in the notes folder"
    [ -n "$(ls "$XDG_RUNTIME_DIR" | grep '^quillnote-.*\.lock$')" ] || fail "no lock in the runtime folder"
    close_main_window
    [ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
    folder_free
}

# outside_note FOLDER NAME RECORD: another program (a sync tool) writes a
# note file beside its place and renames it over, as such tools do.
outside_note() {
    printf '%s\r\n' "$3" | iconv -f UTF-8 -t CP932 >"$1/.$2.partial"
    mv "$1/.$2.partial" "$1/$2"
}
note_corner_at() { [ "$(geometry "$1" | cut -d' ' -f1-2)" = "$2" ]; }

# A notes folder that a sync tool shares: a note file changed outside is
# shown and not written back, a new one opens, a deleted one closes; the
# folder moved away keeps the user's drag in memory until it is back, and
# a place changed on both sides keeps the other side's note as a copy of
# its own, opened beside it.
shared_folder() {
    start_desktop notray
    local rest="3000,3000,16777215,$font,9,0,False,False,False"
    write_note 1.dat "/nowhere/a.png,1500,1200,$rest,,"
    write_note 2.dat "/nowhere/b.png,6000,1200,$rest,,"
    write_note 3.dat "/nowhere/c.png,10500,1200,$rest,,"
    start_app
    wait_until 10 eval 'test "$(note_count)" -eq 3' || fail "$(note_count) note windows, expected 3"
    local second
    second=$(note_windows | sed -n 2p)
    outside_note "$app" 2.dat "/nowhere/b.png,6000,9000,$rest,from the other machine,"
    local inode
    inode=$(stat -c %i "$app/2.dat")
    wait_until 10 note_corner_at "$second" "400 600" || fail "2.dat changed outside, note at $(geometry "$second")"
    outside_note "$app" 4.dat "/nowhere/d.png,1500,9000,$rest,,"
    wait_until 10 eval 'test "$(note_count)" -eq 4' || fail "the new note file opened no note"
    rm "$app/3.dat"
    wait_until 10 eval 'test "$(note_count)" -eq 3' || fail "the deleted note is still on screen"
    [ ! -e "$app/3.dat" ] || fail "3.dat written again"

    mv "$app" "$app.away"
    wait_until 20 confirmation || fail "not told that the folder is gone"
    xdotool key Return
    wait_until 10 eval '! confirmation' || fail "the notice stays"
    drag_first_note 200
    outside_note "$app.away" 1.dat "/nowhere/a.png,3000,3000,$rest,moved there,"
    sleep 1 # the drag's write is tried and fails while the folder is away
    [ ! -e "$app" ] || fail "a notes folder was made anew: $(ls -A "$app")"
    mv "$app.away" "$app"
    wait_until 20 note_holds 1.dat "/nowhere/a.png,2055,1545,$rest,moved there," ||
        fail "1.dat holds $(iconv -f CP932 -t UTF-8 <"$app/1.dat")"
    local copy
    copy=$(ls "$app" | grep '^1\.conflict-[0-9]\{8\}-[0-9]\{6\}\.dat$') || fail "no copy kept: $(ls "$app")"
    expect_note "$copy" "/nowhere/a.png,3000,3000,$rest,moved there,"
    wait_until 10 eval 'test "$(note_count)" -eq 4' || fail "the kept copy opened no note"
    close_main_window
    [ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
    [ "$(stat -c %i "$app/2.dat")" = "$inode" ] || fail "2.dat was written back"
    expect_note 2.dat "/nowhere/b.png,6000,9000,$rest,from the other machine,"
}

# A later copy hands over 10,000 pictures at once: they become notes a
# slice at a time, the main window answers meanwhile, and the note table's
# 101 windows are all that is shown.
handover_flood() {
    start_desktop notray
    picture "$work/p.png" 8 8 red
    start_app
    local paths=() i
    for i in $(seq 10000); do paths+=("$work/p.png"); done
    (cd "$app" && exec ./quillnote "${paths[@]}") >>"$work/second.log" 2>&1 &
    local second=$!
    pids+=("$second")
    notes_made() { find "$app" -maxdepth 1 -name '*.dat' | wc -l; }
    wait_until 60 eval 'test "$(notes_made)" -ge 300' || fail "$(notes_made) notes made"
    local window
    window=$(main_window)
    read -r x y _ _ < <(geometry "$window")
    xdotool mousemove $((x + 10)) $((y + 10)) click 3
    wait_until 10 popup_menu || fail "the main window does not answer while notes are made"
    xdotool key Escape
    [ "$(notes_made)" -lt 10000 ] || echo "note: every note was made before the menu was asked for"
    wait_exit "$second" 30
    wait_until 100 eval 'test "$(notes_made)" -eq 10000' || fail "$(notes_made) of 10000 notes made"
    wait_until 20 eval 'test "$(note_count)" -eq 101' || fail "$(note_count) note windows"
    close_main_window
    [ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
}

# SIGTERM while a huge picture decodes: the note is written, the folder is
# free for the next copy and the process ends without waiting for the decode.
sigterm_while_decoding() {
    start_desktop
    # Noise, progressive and unsubsampled: seconds to decode even at a note's size.
    (printf 'P6\n9000 9000\n255\n' && head -c 243000000 /dev/urandom) >"$work/huge.ppm"
    convert "$work/huge.ppm" -quality 95 -sampling-factor 1x1 -interlace JPEG "$work/huge.jpg"
    rm "$work/huge.ppm"
    write_note 1.dat "$work/huge.jpg,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    wait_until 20 eval 'test "$(note_count)" -eq 1' || fail "the note did not show"
    sleep 0.3
    local start
    start=$(date +%s%N)
    kill -TERM "$app_pid"
    wait_exit "$app_pid" 20
    echo "ended $((($(date +%s%N) - start) / 1000000)) ms after SIGTERM"
    [ "$exit_status" -eq 0 ] || fail "SIGTERM exit status $exit_status"
    folder_free
    expect_note 1.dat "$work/huge.jpg,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
}

# SIGKILL while 101 notes save leaves each file whole: old or new, never partial.
sigkill_while_saving() {
    start_desktop
    python3 - "$app" <<'PY'
import sys
memo = "m" * 300000
for i in range(101):
    line = f"/nowhere/p{i}.png,{1500 + i * 30},1200,3000,3000,&H00FFFFFF&,f,9,&H00000000&,False,False,False,{memo},\r\n"
    open(f"{sys.argv[1]}/{i:03}.dat", "wb").write(line.encode("ascii"))
PY
    start_app
    wait_until 30 eval 'test "$(note_count)" -eq 101' || fail "$(note_count) notes open"
    # Every note moved by the user (gathered), so that the exit has every one to write.
    (cd "$app" && ./quillnote --gather) || fail "quillnote --gather failed"
    wait_until 20 eval 'at "$(first_note)" "0 0 200 200"' || fail "the notes were not gathered"
    kill -TERM "$app_pid"
    # Killed as soon as the first note has been written, while the others save.
    wait_until 30 bash -c "grep -l -m 1 ',16777215,f,9,0,' '$app'/*.dat" || fail "no note saved after SIGTERM"
    kill -KILL "$app_pid" 2>/dev/null || true
    wait_exit "$app_pid" 20
    local file old new written=0
    for file in "$app"/*.dat; do
        old=$(head -c 120 "$file")
        if cmp -s <(python3 -c 'import sys; print(open(sys.argv[1], "rb").read()[-6:].hex())' "$file") <(echo 6d6d6d2c0d0a); then :; else fail "$(basename "$file") is cut short"; fi
        case "$old" in
            *",&H00FFFFFF&,f,9,&H00000000&,"*) ;;
            *",16777215,f,9,0,"*) written=$((written + 1)) ;;
            *) fail "$(basename "$file") begins with $old" ;;
        esac
        [ "$(stat -c %s "$file")" -ge 300000 ] || fail "$(basename "$file") lost its memo"
    done
    [ "$written" -ge 1 ] || fail "no note written before the kill"
    echo "files written before the kill: $written of 101"
}

# What a user sees of a note: picture, memo, tiled background and a quiet web pane.
note_screenshot() {
    start_desktop
    picture "$work/photo.png" 400 200 red
    picture "$work/tile.png" 16 16 yellow
    write_note 1.dat "$work/photo.png,1500,1500,4500,4800,16777215,$font,14,16711680,True,False,True,メモ memo,$work/tile.png"
    start_app
    local note
    note=$(first_note)
    read -r x y w h < <(geometry "$note")
    sleep 1
    shot
    [ "$(pixel $((x + 4 + 10 + 50)) $((y + 4 + 10 + 30)))" = "255,0,0" ] || fail "no picture: $(pixel $((x + 64)) $((y + 44)))"
    [ "$(pixel $((x + w - 8)) $((y + 8)))" = "255,255,0" ] || fail "no background tiles"
    # The memo's blue text sits somewhere in its first line.
    convert "$work/screen.png" -crop "120x20+$((x + 14))+$((y + 4 + 10 + 129 + 7))" -fx 'b>0.6 && r<0.4 ? 1 : 0' \
        -format '%[fx:maxima.r]' info: | contains '^1' || fail "no memo text"
    # The pane's page cannot load here: the pane is a quiet strip in the note's colours.
    [ "$(pixel $((x + 60)) $((y + h - 12)))" = "255,255,0" ] || fail "the web pane is not quiet"
}

# A drag and a memo still being typed reach the file within moments, so a
# crash loses neither: lost_after_edits sigkill|xserver.
lost_after_edits() {
    start_desktop
    picture "$work/wide.png" 40 20 white
    write_note 1.dat "$work/wide.png,1500,1200,4500,4500,16777215,$font,9,0,False,False,False,,"
    start_app
    drag_first_note 300
    local moved="$work/wide.png,2055,1545,4500,4500,16777215,$font,9,0,False,False,False,,"
    wait_until 10 note_holds 1.dat "$moved" || expect_note 1.dat "$moved"
    # 300 × 300 pixels: the memo from 153 down; the edit stays open.
    xdotool mousemove $((x + 37 + 30)) $((y + 23 + 4 + 170)) click 1
    sleep 0.3
    xdotool type --delay 40 "kept"
    local expected="$work/wide.png,2055,1545,4500,4500,16777215,$font,9,0,False,False,False,kept,"
    wait_until 10 note_holds 1.dat "$expected" || expect_note 1.dat "$expected"
    if [ "$1" = sigkill ]; then
        kill -9 "$app_pid"
    else
        kill -9 "${pids[0]}"
    fi
    wait_exit "$app_pid" 20
    expect_note 1.dat "$expected"
    # Without its X server the program still ends its own way: the folder is free.
    [ "$1" = sigkill ] || folder_free
}
sigkill_after_edits() { lost_after_edits sigkill; }
xserver_killed_after_edits() { lost_after_edits xserver; }

# notes_at WHAT "X Y W H"...: each note window, in order, comes to its place.
notes_at() {
    local what=$1 index=0 place
    shift
    mapfile -t notes < <(note_windows)
    for place in "$@"; do
        wait_until 10 at "${notes[index]}" "$place" ||
            fail "note $((index + 1)) $what: at $(geometry "${notes[index]}"), expected $place"
        index=$((index + 1))
    done
}

# Two monitors side by side on one X screen, as a laptop with a second display.
two_monitors() {
    xrandr --setmonitor left 640/169x1024/271+0+0 screen
    xrandr --setmonitor right 640/169x1024/271+640+0 none
}

# choose_main_item N: the Nth item of the main window's menu, by keys.
choose_main_item() {
    local window
    window=$(main_window)
    read -r x y _ _ < <(geometry "$window")
    xdotool mousemove $((x + 10)) $((y + 10)) click 3
    wait_until 10 popup_menu || fail "no menu on the main window"
    local step
    for step in $(seq "$1"); do xdotool key Down; done
    sleep 0.2
    xdotool key Return
}

# A note off every screen, and notes on a monitor that is unplugged, come
# onto a screen; their files keep their places, so that they go back when
# the monitor does, unless the user moved them meanwhile; gathering moves
# every note to the main window's screen.
notes_in_reach() {
    start_desktop notray
    two_monitors
    write_note 1.dat "/nowhere/a.png,10500,1500,3000,3000,16777215,$font,9,0,False,False,False,,"
    write_note 2.dat "/nowhere/b.png,75000,1500,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    notes_at "at the start" "700 100 200 200" "1080 100 200 200"
    xrandr --delmonitor right
    notes_at "after the unplug" "440 100 200 200" "440 100 200 200"
    # Plugged in again, the note left alone goes back to its file's place;
    # the one the user dragged since (the upper one) stays.
    drag_by 490 150 37 23
    notes_at "after a drag" "440 100 200 200" "477 123 200 200"
    xrandr --setmonitor right 640/169x1024/271+640+0 none
    notes_at "with the monitor plugged in again" "700 100 200 200" "477 123 200 200"
    close_main_window
    expect_note 1.dat "/nowhere/a.png,10500,1500,3000,3000,16777215,$font,9,0,False,False,False,,"
    expect_note 2.dat "/nowhere/b.png,7155,1845,3000,3000,16777215,$font,9,0,False,False,False,,"

    start_app
    notes_at "with the monitor back" "700 100 200 200" "477 123 200 200"
    xdotool windowmove --sync "$(main_window)" 60 500
    choose_main_item 2
    notes_at "gathered" "0 0 200 200" "20 20 200 200"
    close_main_window
    expect_note 1.dat "/nowhere/a.png,0,0,3000,3000,16777215,$font,9,0,False,False,False,,"
    expect_note 2.dat "/nowhere/b.png,300,300,3000,3000,16777215,$font,9,0,False,False,False,,"
}

# Ctrl+V on the main window with a picture copied keeps it as a PNG in
# pictures/ and makes a note for it; a file copied in a file manager, pasted
# through the menu, makes a note as a drop of it does; text makes nothing.
pin_from_clipboard() {
    start_desktop notray
    convert -size 30x20 gradient:red-blue "$work/copied.png"
    picture "$work/file.png" 40 30 green
    start_app
    read -r left top < <(main_frame_origin)
    xclip -selection clipboard -t image/png -i "$work/copied.png"
    xdotool windowactivate --sync "$(main_window)" key ctrl+v
    wait_until 20 bash -c "ls '$app'/*.dat" || fail "no note file after ctrl+v"
    local note pasted
    note=$(basename "$(ls "$app"/*.dat)")
    pasted="$app/pictures/${note%.dat}.png"
    expect_note "$note" "$pasted,$((left * 15)),$((top * 15)),3000,3000,&H00FFFFFF&,$font,9,&H00000000&,False,False,False,,"
    [ "$(compare -metric AE "$work/copied.png" "$pasted" null: 2>&1)" = 0 ] || fail "the pasted picture differs"
    wait_until 20 eval 'test "$(note_count)" -eq 1' || fail "no note window after ctrl+v"
    # The new note covers the main window's corner: aside for the menu.
    xdotool windowmove --sync "$(first_note)" 800 600

    printf 'file://%s\n' "$work/file.png" | xclip -selection clipboard -t text/uri-list
    choose_main_item 1
    wait_until 20 eval 'test "$(ls "$app"/*.dat | wc -l)" -eq 2' || fail "no note for a copied file"
    contains -F "$work/file.png," < <(cat "$(ls "$app"/*.dat | tail -n 1)") || fail "the copied file is not the note's picture"
    echo "some text" | xclip -selection clipboard
    xdotool windowactivate --sync "$(main_window)" key ctrl+v
    sleep 0.5
    [ "$(ls "$app"/*.dat | wc -l)" -eq 2 ] || fail "pasted text made a note"
    wait_until 20 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) note windows"
    # The menu entry's actions, or a terminal: a later start hands the command over.
    xclip -selection clipboard -t image/png -i "$work/copied.png"
    (cd "$app" && ./quillnote --paste) || fail "quillnote --paste failed"
    wait_until 20 eval 'test "$(note_count)" -eq 3' || fail "no note after quillnote --paste"
    (cd "$app" && ./quillnote --gather) || fail "quillnote --gather failed"
    wait_until 10 eval 'at "$(first_note)" "0 0 200 200"' || fail "not gathered: $(geometry "$(first_note)")"
}

# picture_of NOTE: the picture path that a note file names.
picture_of() { iconv -f CP932 -t UTF-8 <"$1" | head -n 1 | cut -d, -f1; }

# Files given on the command line become notes, cascaded; a later start
# with files hands them to the running copy and ends without the notice.
open_with() {
    start_desktop notray
    mkdir -p "$work/photos"
    local name
    for name in a b c "d e"; do picture "$work/photos/$name.png" 40 30 red; done
    (cd "$app" && exec ./quillnote "$work/photos/a.png" "file://$work/photos/b.png") >>"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    wait_until 30 has_main_window || fail "the main window did not appear"
    wait_until 20 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) notes for two files"
    mapfile -t notes < <(note_windows)
    read -r x0 y0 _ _ < <(geometry "${notes[0]}")
    notes_at "for the command line" "$x0 $y0 200 200" "$((x0 + 20)) $((y0 + 20)) 200 200"
    xdotool windowmove --sync "$(main_window)" 300 300
    read -r left top < <(main_frame_origin)
    (cd "$work/photos" && exec "$app/quillnote" c.png "d e.png") >>"$work/second.log" 2>&1 &
    local second=$!
    pids+=("$second")
    wait_exit "$second" 20
    [ "$exit_status" -eq 0 ] || fail "the second start ended with $exit_status"
    ! second_copy_notice "$second" || fail "the second start showed the notice"
    wait_until 20 eval 'test "$(note_count)" -eq 4' || fail "$(note_count) notes after the hand-over"
    notes_at "handed over" "$x0 $y0 200 200" "$((x0 + 20)) $((y0 + 20)) 200 200" \
        "$left $top 200 200" "$((left + 20)) $((top + 20)) 200 200"
    close_main_window
    # In the order they were made: names are the seconds they were made at,
    # and "X.dat" sorts as text after "X.01.dat".
    local files
    mapfile -t files < <(for file in "$app"/*.dat; do echo "$(basename "$file" .dat) $file"; done |
        sort -g | cut -d' ' -f2-)
    [ "${#files[@]}" -eq 4 ] || fail "${#files[@]} note files"
    local expected=(a b c "d e") index=0
    for name in "${expected[@]}"; do
        [ "$(picture_of "${files[index]}")" = "$work/photos/$name.png" ] ||
            fail "note $((index + 1)) names $(picture_of "${files[index]}")"
        index=$((index + 1))
    done
}

# colours_in X Y W H: how many colours the screenshot shows in that rectangle.
colours_in() { convert "$work/screen.png" -crop "$3x$4+$1+$2" -unique-colors -format '%w' info:; }

# At a device pixel ratio of 2 a note keeps its size in twips: twice the
# pixels. A picture with pixels to spare is shown pixel for pixel, one
# shown at its own size as sharp blocks of 2 × 2 (a one-pixel checkerboard
# stays black and white), the tiles without blending, and the files keep
# the numbers they had.
sharp_at_twice_the_pixels() {
    start_desktop notray
    convert -size 128x128 pattern:gray50 "$work/fine.png"
    convert -size 64x64 pattern:gray50 "$work/coarse.png"
    convert "$work/coarse.png" -filter point -resize 200% "$work/coarse-doubled.png"
    convert -size 2x2 xc:yellow -fill blue -draw 'point 0,0' -draw 'point 1,1' "$work/tile.png"
    # 1380 twips wide: the picture's box is 960 twips, 64 pixels at 96 DPI.
    local fine="$work/fine.png,1500,1200,1380,3000,16777215,$font,9,0,False,False,False,,$work/tile.png"
    local coarse="$work/coarse.png,4500,1200,1380,3000,16777215,$font,9,0,False,False,False,,"
    write_note 1.dat "$fine"
    write_note 2.dat "$coarse"
    QT_SCALE_FACTOR=2 start_app
    notes_at "at twice the pixels" "200 160 184 400" "600 160 184 400"
    sleep 1
    shot
    # Each picture from 4 + 10 pixels in, at twice that: 28.
    convert "$work/screen.png" -crop 128x128+228+188 +repage "$work/fine-shown.png"
    [ "$(compare -metric AE "$work/fine.png" "$work/fine-shown.png" null: 2>&1)" = 0 ] ||
        fail "the picture is not shown pixel for pixel: $(colours_in 228 188 128 128) colours"
    convert "$work/screen.png" -crop 128x128+628+188 +repage "$work/coarse-shown.png"
    [ "$(compare -metric AE "$work/coarse-doubled.png" "$work/coarse-shown.png" null: 2>&1)" = 0 ] ||
        fail "the picture at its own size is blurred: $(colours_in 628 188 128 128) colours"
    # Right of the picture, inside the border: tiles of two colours and nothing between.
    [ "$(colours_in 356 172 16 16)" = 2 ] || fail "the tiles are blended: $(colours_in 356 172 16 16) colours"
    close_main_window
    expect_note 1.dat "$fine"
    expect_note 2.dat "$coarse"
}

pixel_at() { convert "$work/screen.png" -crop "1x1+$1+$2" +repage -format '%[hex:p{0,0}]' info:; }
panes_show_page() { shot && [ "$(pixel_at 250 275)" = 22AA77 ] && [ "$(pixel_at 650 275)" = 22AA77 ]; }
opened() { cat "$work/opened" 2>/dev/null | wc -l; }

# Every pane shows the page served on this machine, one live and the other
# as a still picture; a pane the pointer enters is live: its link opens in the
# desktop's browser.
live_pane() {
    start_desktop notray
    # The browser module goes with the program, as it does when installed.
    cp "$(dirname "$QUILLNOTE")/libquillnote_webengine.so" "$app/"
    "$PAGESERVER" >"$work/port" 2>"$work/pageserver.log" &
    pids+=($!)
    wait_until 20 test -s "$work/port" || fail "the page server did not start"
    mkdir -p "$work/bin"
    printf '#!/bin/sh\necho "$1" >>%s/opened\n' "$work" >"$work/bin/xdg-open"
    chmod 755 "$work/bin/xdg-open"
    : >"$work/opened" && chmod 666 "$work/opened"
    picture "$work/photo.png" 40 30 red
    # Two notes of 200 × 200 pixels at 100,80 and 500,80: their panes show from 250 to 280.
    local first="$work/photo.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,True,,"
    local second="$work/photo.png,7500,1200,3000,3000,16777215,$font,9,0,False,False,True,,"
    write_note 1.dat "$first"
    write_note 2.dat "$second"
    xdotool mousemove 640 900
    start_app_as_user PATH="$work/bin:/usr/bin:/bin" \
        QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=127.0.0.1:$(cat "$work/port")"
    wait_until 40 panes_show_page || fail "the panes do not show the page: $(pixel_at 250 275) $(pixel_at 650 275)"
    [ "$(opened)" = 0 ] || fail "a link opened by itself"
    local x count=0
    for x in 250 650; do
        count=$((count + 1))
        xdotool mousemove "$x" 275
        wait_until 20 eval 'xdotool click 1; test "$(opened)" -ge $count' ||
            fail "the pane at $x does not take the click"
    done
    [ "$(sort -u "$work/opened")" = http://quillnote.example/elsewhere ] || fail "opened: $(cat "$work/opened")"
    panes_show_page || fail "a pane lost its page: $(pixel_at 250 275) $(pixel_at 650 275)"
    # Keys go to the page clicked, and back to the note when its memo is clicked.
    xdotool mousemove 250 275 click 1
    wait_until 10 eval 'xdotool key x; shot; [ "$(pixel_at 250 275)" = FF00FF ]' ||
        fail "the page takes no keys: $(pixel_at 250 275)"
    xdotool mousemove 200 232 click 1
    sleep 0.3
    xdotool type ok
    xdotool mousemove 200 150 click 1
    close_main_window
    expect_note 1.dat "${first%,}ok,"
    expect_note 2.dat "$second"
}

# desk_note NAME LEFT [BACKGROUND] WORDS: a note at LEFT twips, with its desk line.
desk_note() { printf '%s\r\n~quillnote-desk %s' "/nowhere/$1.png,$2,1200,3000,3000,${3:-16777215},$font,9,0,False,False,False,," "$4"; }

# A note above other windows stays over a window raised over it; a note on
# the desktop stays under every window, out of the taskbar, and on the
# screen while the desktop is shown; a see-through note tells the
# compositor its opacity; a note whose file another program changed to the
# desktop goes there. Nothing is written.
note_layers() {
    start_desktop notray
    write_note 1.dat "$(desk_note a 1500 '' 'layer=above opacity=75')"
    write_note 2.dat "$(desk_note b 6000 '' layer=desktop)"
    write_note 3.dat "/nowhere/c.png,10500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    start_app
    wait_until 10 eval 'test "$(note_count)" -eq 3' || fail "$(note_count) note windows, expected 3"
    local above desktop normal main
    above=$(note_at 100 80) desktop=$(note_at 400 80) normal=$(note_at 700 80) main=$(main_window)
    xprop -id "$above" _NET_WM_STATE | contains _NET_WM_STATE_ABOVE || fail "the note above is not marked so"
    [ "$(xprop -id "$above" _NET_WM_WINDOW_OPACITY)" = "_NET_WM_WINDOW_OPACITY(CARDINAL) = 3217014719" ] ||
        fail "opacity: $(xprop -id "$above" _NET_WM_WINDOW_OPACITY)"
    xprop -id "$desktop" _NET_WM_WINDOW_TYPE | contains -x '.* = _NET_WM_WINDOW_TYPE_DESKTOP' ||
        fail "the desktop note is $(xprop -id "$desktop" _NET_WM_WINDOW_TYPE)"
    xprop -id "$desktop" _NET_WM_STATE | contains _NET_WM_STATE_BELOW || fail "the desktop note is not below"
    # 75 % of the full value, 0xBF in each byte. Raised and clicked, each note stays in its layer.
    xdotool windowactivate --sync "$main"
    xdotool mousemove 500 180 click 1
    wait_until 10 eval 'below "$desktop" "$normal" && below "$normal" "$main" && below "$main" "$above"' ||
        fail "stacked (lowest first): $(stacking | tr '\n' ' ')"
    wmctrl -k on
    wait_until 10 eval 'test "$(map_state "$normal")" = IsUnMapped' || fail "the desktop is not shown"
    [ "$(map_state "$desktop")" = IsViewable ] || fail "the desktop note went with the windows"
    wmctrl -k off
    outside_note "$app" 3.dat "$(desk_note c 10500 '' layer=desktop)"
    # The toolkit makes the window anew for its new layer.
    wait_until 20 eval 'xprop -id "$(note_at 700 80)" _NET_WM_WINDOW_TYPE | contains DESKTOP' ||
        fail "the changed note is not on the desktop: $(note_windows | tr '\n' ' ')"
    [ "$(xprop -id "$(note_at 700 80)" WM_NAME)" = 'WM_NAME(STRING) = ' ] || fail "the changed note has a caption"
    close_main_window
    expect_note 1.dat "$(desk_note a 1500 '' 'layer=above opacity=75')"
    expect_note 2.dat "$(desk_note b 6000 '' layer=desktop)"
}

# A click on a click-through note (red, above) reaches the note below it,
# until the main window's menu makes every note take clicks again.
click_through() {
    start_desktop notray
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    write_note 2.dat "$(desk_note b 1500 255 'layer=above clickthrough=yes')"
    start_app
    wait_until 10 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) note windows, expected 2"
    local lower upper
    lower=$(first_note) upper=$(note_windows | sed -n 2p)
    xdotool mousemove 200 180 click 1
    wait_until 10 eval 'test "$(active_window)" -eq "$((lower))"' || fail "the click did not reach the note below"
    shot
    [ "$(pixel 200 180)" = "255,0,0" ] || fail "the click-through note is not shown on top: $(pixel 200 180)"
    choose_main_item 3
    wait_until 10 note_holds 2.dat "$(desk_note b 1500 255 layer=above)" ||
        fail "2.dat holds $(iconv -f CP932 -t UTF-8 <"$app/2.dat")"
    xdotool mousemove 200 180 click 1
    wait_until 10 eval 'test "$(active_window)" -eq "$((upper))"' || fail "the note takes no click again"
    close_main_window
}

# A locked note is not moved by a drag: its file stays as it was.
locked_note() {
    start_desktop notray
    write_note 1.dat "$(desk_note a 1500 '' locked=yes)"
    start_app
    local note
    note=$(first_note)
    drag_by 150 130 37 23
    xdotool mousemove 150 150 click 3
    wait_until 10 popup_menu || fail "no menu on a locked note"
    xdotool key Escape
    at "$note" "100 80 200 200" || fail "the locked note moved to $(geometry "$note")"
    close_main_window
    expect_note 1.dat "$(desk_note a 1500 '' locked=yes)"
}

# quillnote --toggle hides every note of the running copy and shows them
# again, one changed meanwhile as its file says; the tray's menu hides them
# too; nothing is written.
toggle_notes() {
    start_desktop
    write_note 1.dat "/nowhere/a.png,1500,1200,3000,3000,16777215,$font,9,0,False,False,False,,"
    write_note 2.dat "$(desk_note b 6000 '' layer=desktop)"
    start_app QT_LOGGING_RULES="quillnote.notedesk.debug=true"
    wait_until 10 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) note windows, expected 2"
    (cd "$app" && ./quillnote --toggle)
    wait_until 10 eval 'test "$(note_count)" -eq 0' || fail "$(note_count) notes shown after --toggle"
    # Moved to the desktop by another program while hidden: it shows there.
    outside_note "$app" 1.dat "$(desk_note a 1500 '' layer=desktop)"
    wait_until 20 eval 'test "$(grep -c "takes: layer=desktop" "$work/app.log")" -eq 2' ||
        fail "the change was not read: $(grep takes: "$work/app.log")"
    (cd "$app" && ./quillnote --toggle)
    wait_until 10 eval 'test "$(note_count)" -eq 2' || fail "$(note_count) notes shown after another --toggle"
    wait_until 10 eval 'xprop -id "$(note_at 100 80)" _NET_WM_WINDOW_TYPE | contains DESKTOP' ||
        fail "the note changed while hidden is not on the desktop"
    wait_until 20 test -n "$(tray_icon_centre)" || fail "no tray icon"
    read -r tx ty < <(tray_icon_centre)
    xdotool mousemove "$tx" "$ty" click 3
    wait_until 10 popup_menu || fail "no menu on the tray icon"
    xdotool key Down Return
    wait_until 10 eval 'test "$(note_count)" -eq 0' || fail "$(note_count) notes shown after the tray's menu"
    close_main_window
    expect_note 1.dat "$(desk_note a 1500 '' layer=desktop)"
    expect_note 2.dat "$(desk_note b 6000 '' layer=desktop)"
}

"$scenario"
echo "ok: $scenario"
