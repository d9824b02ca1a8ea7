#!/usr/bin/env bash
# Takes the picture of the main window after a calculation for the README: the window test
# that calculates a section and grabs the window runs on a virtual X server (Xvfb, real X
# rendering rather than the offscreen platform), and its picture is copied to
# docs/glavni_prozor.png. Usage: scripts/screenshot.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNMK_BUILD_BENCH=OFF
fi
cmake --build "$dir" --target ui_glavni_prozor_test
rm -f "$dir/artefacts/glavni_prozor.png"
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb "$dir/tests/ui_glavni_prozor_test" SlikaProzora
mkdir -p docs
cp "$dir/artefacts/glavni_prozor.png" docs/glavni_prozor.png
echo "docs/glavni_prozor.png"
