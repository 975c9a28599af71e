#!/usr/bin/env bash
# Builds the Debian package quillnote_<version>_amd64.deb from the debian/
# folder (dpkg-buildpackage, binary only) and checks it with lintian: an
# error or a warning fails it. The sources are copied into a folder of the
# build (build/release unless another is given), where the package is built
# and left. Prints the package's path last.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" package
build=${1:-$top/build/release}
mkdir -p "$build"
build=$(cd "$build" && pwd)
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
staging="$build/debian-package"
rm -rf "$staging"
mkdir -p "$staging/quillnote"
# The checkout as it stands, without its builds.
tar -C "$top" --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$staging/quillnote"
(cd "$staging/quillnote" && DEB_BUILD_OPTIONS="parallel=2" \
    dpkg-buildpackage -us -uc -b >"$staging/build.log" 2>&1) || { tail -n 60 "$staging/build.log"; exit 1; }
changes=$(ls "$staging"/quillnote_"$version"_*.changes)
lintian --fail-on error,warning "$changes" >&2
deb=$(ls "$staging"/quillnote_"$version"_*.deb)
cp "$deb" "$build/"
echo "$build/$(basename "$deb")"
