#!/usr/bin/env bash
# Shared steps of the desktop tests: an X server of their own (Xvfb on a free
# display), a window manager (openbox) and a tray (trayer); the program runs
# from a temporary program folder and is driven only with real input events
# (xdotool) and watched only from outside (files, X window properties,
# screenshots). Every wait is on a condition, with a deadline.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "${work:-/nonexistent}"/*.log; do
        [ -f "$log" ] && sed "s/^/$(basename "$log" .log): /" "$log" >&2
    done
    exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds or time runs out.
# Its words are expanded once, by the caller: a condition on what the
# desktop shows goes through eval with single quotes, to be read anew each time.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Like grep -q, but reads all its input: with pipefail, grep -q stopping
# early would fail the command that feeds it.
contains() { grep "$@" >/dev/null; }

pids=()
stop_desktop() {
    local pid
    # The X server must end by itself, removing its lock and socket, or the
    # next server may take over a display that still looks in use.
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        wait_until 10 bash -c "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ -n "${e2e_user:-}" ] && { userdel -r "$e2e_user" >/dev/null 2>&1 || true; }
    [ -n "${work:-}" ] && rm -rf "$work"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | contains 'window id'; }
tray_running() { xwininfo -root -tree 2>/dev/null | contains '"panel": ("panel" "trayer")'; }

# start_desktop [tray|notray]
start_desktop() {
    work=$(mktemp -d)
    app="$work/app"
    mkdir -p "$app"
    # The program keeps its lock and hand-over socket in the runtime folder: one per run.
    export XDG_RUNTIME_DIR="$work/xdg-runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    trap stop_desktop EXIT
    # This server has no access control; a cookie file meant for another one is not for it.
    unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM XAUTHORITY
    export QTWEBENGINE_DISABLE_SANDBOX=1
    # -noreset: a server that resets when its last client leaves refuses
    # the next one for a moment.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    wait_until 20 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
    wait_until 20 xprop -root || fail "the X server does not answer"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_until 40 wm_running || fail "openbox did not start on $DISPLAY"
    if [ "${1:-tray}" = tray ]; then
        trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
            >"$work/trayer.log" 2>&1 &
        pids+=($!)
        wait_until 40 tray_running || fail "trayer did not start"
    fi
    if [ -n "${QUILLNOTE:-}" ]; then cp "$QUILLNOTE" "$app/quillnote"; fi
}

main_window() { xdotool search --onlyvisible --name '^quillnote 1\.0$' 2>/dev/null | sed -n 1p; }
has_main_window() { [ -n "$(main_window)" ]; }

# start_app [NAME=VALUE...]: starts the program, with these variables set.
start_app() {
    (cd "$app" && exec env "$@" ./quillnote) >>"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    wait_until 30 has_main_window || fail "the main window did not appear"
}

# desktop_user NAME: sets as_user to the command that runs a program as a
# desktop user does, with only the variables given to it besides the
# display's: the browser engine never runs for an administrator. As root,
# user NAME is made for the run (and removed with the desktop).
desktop_user() {
    as_user=(env)
    [ "$(id -u)" -eq 0 ] || return 0
    e2e_user=$1
    id "$e2e_user" >/dev/null 2>&1 || useradd --create-home "$e2e_user"
    chmod 755 "$work"
    [ -d "$app" ] && chown -R "$e2e_user" "$app"
    install -d -m 700 -o "$e2e_user" "$work/runtime"
    as_user=(runuser -u "$e2e_user" -- env -i HOME="$(getent passwd "$e2e_user" | cut -d: -f6)"
        XDG_RUNTIME_DIR="$work/runtime" PATH=/usr/bin:/bin DISPLAY="$DISPLAY")
}

# start_app_as_user [NAME=VALUE...]: starts the program as a desktop user.
start_app_as_user() {
    desktop_user quillnote-e2e
    (cd "$app" && exec "${as_user[@]}" "$@" ./quillnote) >>"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=("$app_pid")
    wait_until 30 has_main_window || fail "the main window did not appear"
}

# wait_exit PID SECONDS: waits for the process to end; its status in $exit_status.
wait_exit() {
    if ! wait_until "$2" bash -c "! kill -0 $1"; then
        command -v gdb >/dev/null && gdb -p "$1" -batch -ex "thread apply all bt 12" 2>/dev/null |
            grep -E '^(Thread|#)' | head -n 80 >&2
        fail "process $1 did not end"
    fi
    exit_status=0
    wait "$1" || exit_status=$?
}

# Closes the main window as a user does: alt+F4 on the active window.
close_main_window() {
    local window
    window=$(main_window)
    # Notes mapped a moment earlier may still take the focus, and a window
    # manager that has just started may not have taken its keys yet: alt+F4
    # goes to the active main window, and again if the program is still there.
    local try
    for try in 1 2 3; do
        kill -0 "$app_pid" 2>/dev/null || break
        xdotool windowactivate --sync "$window" 2>/dev/null || break
        wait_until 10 eval 'test "$(active_window)" = "$window"' || fail "the main window does not become active"
        xdotool key alt+F4
        wait_until 5 bash -c "! kill -0 $app_pid" && break
    done
    wait_exit "$app_pid" 30
}

# The managed windows in the order they were mapped, with their titles.
client_windows() {
    local window
    for window in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        printf '%s %s\n' "$window" "$(xdotool getwindowname "$window" 2>/dev/null)"
    done
}

# Note windows are the program's utility windows, or desktop windows for
# notes on the desktop (its dialogs are not notes).
note_windows() {
    local w
    for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
        xprop -id "$w" WM_CLASS _NET_WM_WINDOW_TYPE | tr '\n' ' ' |
            contains -E '"quillnote".*(UTILITY|DESKTOP)' && echo "$w"
    done
    return 0
}
# note_at X Y: the note window whose contents start there.
note_at() {
    local w
    for w in $(note_windows); do
        [ "$(geometry "$w" | cut -d' ' -f1-2)" = "$1 $2" ] && echo "$w"
    done
    return 0
}
# The windows of the window manager's stacking order, lowest first.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | while read -r w; do echo $((w)); done; }
# below LOWER UPPER: whether window LOWER is stacked below window UPPER.
below() {
    local order
    order=$(stacking)
    [ "$(grep -n -x "$(($1))" <<<"$order" | cut -d: -f1)" -lt "$(grep -n -x "$(($2))" <<<"$order" | cut -d: -f1)" ]
}
note_count() { note_windows | wc -l; }

# geometry WINDOW: "x y width height" of the window's contents on the screen.
# The first note window in the window manager's list.
first_note() { note_windows | sed -n 1p; }

geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /^  Width/ { w = $2 } /^  Height/ { h = $2 } END { print x, y, w, h }'
}

# at WINDOW "X Y WIDTH HEIGHT": whether the window stands there now.
at() { [ "$(geometry "$1")" = "$2" ]; }

map_state() { xwininfo -id "$1" | awk '/Map State/ { print $3 }'; }
wm_state() { xprop -id "$1" WM_STATE | awk '/window state/ { print $3 }'; }
in_client_list() { xprop -root _NET_CLIENT_LIST | contains -w "$(printf '0x%x' "$1")"; }
active_window() { xdotool getactivewindow; }

# The centre of the tray icon, from the tray's window tree.
tray_icon_centre() {
    xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ { inpanel = 1 }
        inpanel && /"quillnote": \("quillnote"/ {
            split($4, size, "x"); split($6, at, "+"); print at[2] + int(size[1] / 2), at[3] + int(size[2] / 2); exit }'
}

# The main window's outer left and top (frame included), as the program sees them.
main_frame_origin() {
    local window extents
    window=$(main_window)
    read -r x y _ _ < <(geometry "$window")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
    IFS=, read -r left _ top _ <<<"$extents"
    echo $((x - left)) $((y - top))
}

# A note file in code page 932 from UTF-8 text; the record is ended by CR LF.
write_note() { printf '%s\r\n' "$2" | iconv -f UTF-8 -t CP932 >"$app/$1"; }
note_holds() {
    [ "$(od -An -tx1 <"$app/$1")" = "$(printf '%s\r\n' "$2" | iconv -f UTF-8 -t CP932 | od -An -tx1)" ]
}
expect_note() {
    note_holds "$1" "$2" || fail "$1 holds $(iconv -f CP932 -t UTF-8 <"$app/$1" | cat -A), expected $2"
}

# A solid picture: picture PATH WIDTH HEIGHT COLOUR
picture() { convert -size "$2x$3" "xc:$4" "$1"; }

# drag_files X Y FILE...: drags the files from a file manager and drops them at X, Y.
drag_files() {
    local x=$1 y=$2 source
    shift 2
    "$DRAGSOURCE" "$@" >>"$work/dragsource.log" 2>&1 &
    source=$!
    wait_until 20 xdotool search --onlyvisible --name '^dragsource$' || fail "no drag source"
    local window
    window=$(xdotool search --onlyvisible --name '^dragsource$' | sed -n 1p)
    read -r sx sy _ _ < <(geometry "$window")
    xdotool mousemove $((sx + 30)) $((sy + 30)) mousedown 1
    local step
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((sx + 30 + (x - sx - 30) * step / 6)) $((sy + 30 + (y - sy - 30) * step / 6))
        sleep 0.05
    done
    sleep 0.3 # XDND settles on its target before the release
    xdotool mouseup 1
    sleep 0.3
    kill "$source" 2>/dev/null || true
    wait "$source" 2>/dev/null || true
}

# drag_by X Y DX DY: a left-button drag from X, Y by DX, DY in small steps.
drag_by() {
    xdotool mousemove "$1" "$2" mousedown 1
    local step
    for step in 1 2 3 4 5; do
        xdotool mousemove $(($1 + $3 * step / 5)) $(($2 + $4 * step / 5))
        sleep 0.05
    done
    xdotool mouseup 1
}

# drag_first_note SIDE: drags the first note, SIDE pixels square, by 37, 23
# from inside its picture; its old place is left in x and y.
drag_first_note() {
    local note
    note=$(first_note)
    read -r x y _ _ < <(geometry "$note")
    drag_by $((x + 50)) $((y + 50)) 37 23
    wait_until 10 at "$note" "$((x + 37)) $((y + 23)) $1 $1" ||
        fail "note at $(geometry "$note") after a drag by 37, 23 from $x, $y"
}

# shot: takes a screenshot of the whole screen; pixel X Y reads it as "r,g,b".
shot() { import -window root "$work/screen.png"; }
pixel() {
    convert "$work/screen.png" -format '%[fx:int(255*p{'"$1,$2"'}.r)],%[fx:int(255*p{'"$1,$2"'}.g)],%[fx:int(255*p{'"$1,$2"'}.b)]' info:
}

# The pop-up menu: a viewable window of the program that bypasses the window manager.
popup_menu() {
    local w
    for w in $(xdotool search --onlyvisible --class quillnote 2>/dev/null); do
        xwininfo -id "$w" | contains 'Override Redirect State: yes' && return 0
    done
    return 1
}
