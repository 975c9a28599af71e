#!/usr/bin/env bash
# Builds quillnote in Release and starts it from its program folder, where
# the notes live: $QUILLNOTE_HOME, or ~/quillnote when that is not set.
# A rebuild or a clean of the build folder never touches the program folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" run
home=${QUILLNOTE_HOME:-$HOME/quillnote}
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$top/build/release" -j2
mkdir -p "$home"
install -m 755 "$top/build/release/src/quillnote" "$home/quillnote"
# The browser module of the web panes lives beside the program.
install -m 644 "$top"/build/release/src/libquillnote_webengine.so "$home/"
echo "quillnote runs from $home (its notes are the *.dat files there)"
exec "$home/quillnote"
