#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's picture of the QML module: builds and runs the
# qml-gallery example on the offscreen platform (the software scene graph)
# with the build tree's module, and saves its first frame.
#   scripts/qml-gallery-screenshot.sh [OUT.png]   (default docs/qml-gallery.png)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/docs/qml-gallery.png}"
cmake --build "$root/build/test" --target qml-gallery
QT_QPA_PLATFORM=offscreen QML_IMPORT_PATH="$root/build/test/qml" \
  "$root/build/test/examples/qml-gallery/qml-gallery" --screenshot "$out"
echo "wrote $out"
