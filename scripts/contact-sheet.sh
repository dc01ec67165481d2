#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the README's contact sheets of the button styles: every ButtonStyle in
# every look, with ButtonStyle 13 once more through the desktop theme, at
# device pixel ratio 1 (OUT.png) and 2 (OUT@2x.png beside it).
#   scripts/contact-sheet.sh [OUT.png]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/docs/button-styles.png}"
cd "$root"
if [ ! -f build/release/build.ninja ]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXA_BUILD_TESTS=OFF -DVEXA_BUILD_BENCH=OFF >/dev/null
fi
cmake --build build/release --target vexabutton-render >/dev/null
out2x="${out%.png}@2x.png"
for scale in 1 2; do
  target="$out"
  [ "$scale" = 2 ] && target="$out2x"
  QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=fusion \
    build/release/tools/vexabutton-render/vexabutton-render --sheet "$target" --themed --scale "$scale"
  echo "wrote $target"
done
