#!/usr/bin/env bash
# Installs the Debian packages that quillnote needs to build, run and test;
# does nothing when they are all present.
set -euo pipefail
packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-webengine-dev
    qt6-image-formats-plugins libgl-dev libxcb1-dev
    xvfb xauth fonts-ipafont-gothic
    xdotool x11-utils x11-xserver-utils openbox trayer imagemagick
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
