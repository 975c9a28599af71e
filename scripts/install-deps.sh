#!/usr/bin/env bash
# Installs the Debian packages that quillnote needs, and only those that are
# missing: "run" for building and running the program, "package" for that
# and making the Debian package, "test" for all that and the tools of the
# test command (compilers for the fuzzers, a virtual X server, a window
# manager and desktop tools, the metadata checkers).
# It says what it will install before it asks apt-get.
set -euo pipefail
run=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-qpa-plugins qt6-webengine-dev
    qt6-image-formats-plugins libgl-dev libxcb1-dev libxcb-shape0-dev fonts-ipafont-gothic
)
package=(dpkg-dev debhelper file lintian)
test=(
    clang clang-format libclang-rt-14-dev
    xvfb xauth xdotool wmctrl x11-utils x11-xserver-utils xclip openbox trayer imagemagick
    desktop-file-utils appstream
)
case "${1:-run}" in
    run) packages=("${run[@]}") ;;
    package) packages=("${run[@]}" "${package[@]}") ;;
    test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
    *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "quillnote needs these Debian packages (with what they depend on):"
echo "  ${missing[*]}"
echo "installing them with ${sudo:+sudo }apt-get install"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
