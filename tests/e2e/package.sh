#!/usr/bin/env bash
# The Debian package as a new user meets it: installed with dpkg, the program
# started from /usr/bin by an ordinary user on a desktop, a picture dropped
# on it, the note kept in that user's data folder; then the package removed.
# Usage: package.sh DEB DRAGSOURCE (as root: it installs the package and
# makes a user for the run, both gone afterwards).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
deb=$(realpath "$1")
DRAGSOURCE=$2
user=quillnote-check

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing the package needs root"
    exit 0
fi
dpkg-query -W -f='${Status}' quillnote 2>/dev/null | contains 'install ok installed' && fail "quillnote is installed already: not replacing it"

remove_all() {
    dpkg --purge quillnote >/dev/null 2>&1 || true
    stop_desktop # and the user
}
start_desktop
trap remove_all EXIT
# apt-get, unlike dpkg -i, fetches what the package depends on.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
    >"$work/install.log" 2>&1 || fail "the package does not install"
desktop_user "$user"
home=$(getent passwd "$user" | cut -d: -f6)
photo="$work/photo.png"
picture "$photo" 40 30 red
chmod 644 "$photo"

"${as_user[@]}" /usr/bin/quillnote >>"$work/app.log" 2>&1 &
app_pid=$!
pids+=("$app_pid")
wait_until 30 has_main_window || fail "the installed program shows no main window"
read -r x y w h < <(geometry "$(main_window)")
drag_files $((x + w / 2)) $((y + h / 2)) "$photo"
notes="$home/.local/share/quillnote"
wait_until 20 bash -c "ls '$notes'/*.dat" || fail "no note file in $notes after a drop"
[ "$(stat -c '%a %U' "$notes")" = "700 $user" ] || fail "$notes is $(stat -c '%a %U' "$notes")"
iconv -f CP932 -t UTF-8 "$notes"/*.dat | contains "^$photo," || fail "the note does not name the picture"
wait_until 20 eval 'test "$(note_count)" -eq 1' || fail "no note window after the drop"
close_main_window
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
ls /usr/bin/*.dat >/dev/null 2>&1 && fail "notes were written beside the installed program"
dpkg --purge quillnote >/dev/null || fail "the package does not remove"
[ ! -e /usr/bin/quillnote ] || fail "/usr/bin/quillnote is still there after the removal"
echo "ok: package"
