#!/usr/bin/env bash
# Makes the README's screenshots (docs/note.png, docs/desktop.png) with the
# desktop suite's tools: a virtual desktop with a wallpaper and a tray, the
# program of a build (build/test unless given) with three notes of
# generated photographs, a tiled paper background and memos in Japanese and
# English, and the main window beside them with one note's menu open.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/test}" && pwd)
. "$top/tests/e2e/lib.sh"
QUILLNOTE="$build/src/quillnote"
start_desktop
font="ＭＳ Ｐゴシック"

# A landscape: sky, sun, mountains and a meadow of plasma noise tinted green.
landscape() {
    convert -size 640x420 gradient:"$2" \
        -fill '#fff6c0' -draw 'circle 470,110 470,146' \
        -fill '#5d6f8c' -draw 'polygon 0,300 110,175 220,255 330,130 470,270 640,190 640,420 0,420' \
        \( -size 640x170 plasma: -colorspace Gray -blur 0x1.5 +level-colors "$3" \) \
        -geometry +0+250 -composite \
        -quality 92 "$1"
}
landscape "$work/lake.jpg" '#4f9be0-#fde2b0' '#2f6f32,#a6d870'
landscape "$work/dusk.jpg" '#2c3e7a-#f79d6b' '#3a4a2a,#a08a4a'
# Ruled paper whose tile shows: grainy cream with one blue rule and a margin dot.
convert -size 48x24 plasma: -colorspace Gray -blur 0x0.6 +level-colors '#e6d5a4,#fbf3dc' \
    -fill '#9db8e0' -draw 'line 0,23 47,23' -fill '#e0a0a0' -draw 'point 4,12' "$work/paper.png"
convert -size 1280x1024 gradient:'#1f4e5f-#7aa88f' "$work/wallpaper.png"
display -window root "$work/wallpaper.png" &
sleep 1

write_note 1.dat "$work/lake.jpg,4200,900,4800,4500,16777215,$font,11,8388608,True,False,False,湖畔の朝<br>Morning at the lake,$work/paper.png"
write_note 2.dat "$work/dusk.jpg,9600,2400,4200,4200,14745599,$font,10,3355443,False,True,False,夕暮れ・Dusk over the hills,"
start_app
xdotool windowmove "$(main_window)" 40 60
wait_until 20 test "$(note_count)" -eq 2 || fail "the notes did not open"
sleep 1.5
mapfile -t notes < <(note_windows)
shot
read -r x y w h < <(geometry "${notes[0]}")
convert "$work/screen.png" -crop "$((w + 40))x$((h + 40))+$((x - 20))+$((y - 20))" "$top/docs/note.png"
read -r x y _ _ < <(geometry "${notes[1]}")
xdotool mousemove $((x + 90)) $((y + 70)) click 3
wait_until 10 popup_menu || fail "no menu for the screenshot"
sleep 0.5
shot
convert "$work/screen.png" -crop 980x560+0+20 "$top/docs/desktop.png"
xdotool key Escape
close_main_window
echo "made docs/note.png and docs/desktop.png"
