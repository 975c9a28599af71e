#!/usr/bin/env bash
# Builds quillnote with warnings as errors and runs every test with CTest on
# a virtual X server.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
build="$top/build/test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLNOTE_WERROR=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ctest --output-on-failure -j2 "$@"
