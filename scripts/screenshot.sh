#!/usr/bin/env bash
# Takes the pictures for the README: the main window after a calculation and the interaction
# diagram. The window tests that grab them run on a virtual X server (Xvfb, real X rendering
# rather than the offscreen platform), and their pictures are copied to docs/glavni_prozor.png
# and docs/dijagram_interakcije.png. Usage: scripts/screenshot.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNMK_BUILD_BENCH=OFF
fi
cmake --build "$dir" --target ui_glavni_prozor_test ui_dijagram_interakcije_test
rm -f "$dir/artefacts/glavni_prozor.png" "$dir/artefacts/dijagram_interakcije.png"
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb "$dir/tests/ui_glavni_prozor_test" SlikaProzora
xvfb-run -a -s "-screen 0 1024x768x24" \
    env QT_QPA_PLATFORM=xcb "$dir/tests/ui_dijagram_interakcije_test" \
    ProzorCrtaKrivuITackuIKazeOdnose
mkdir -p docs
for slika in glavni_prozor dijagram_interakcije; do
    cp "$dir/artefacts/$slika.png" "docs/$slika.png"
    echo "docs/$slika.png"
done
