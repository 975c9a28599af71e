#!/usr/bin/env bash
# Builds the Debian package quillnote_<version>_amd64.deb and checks it with
# lintian. With no argument it builds in Release in build/release (the
# folder scripts/run.sh uses); given a build folder, it packages that build.
# Prints the package's path last.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" package
build=${1:-$top/build/release}
mkdir -p "$build"
build=$(cd "$build" && pwd)
if [ $# -eq 0 ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/quillnote_*_amd64.deb)
# Errors fail the package; warnings are shown.
lintian --fail-on error "$deb" >&2
echo "$deb"
