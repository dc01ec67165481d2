#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's picture of the style plugin: runs the style-gallery
# example (a stock dialog under three looks) on the offscreen platform with
# the build tree's plugins and saves its window.
#   scripts/style-gallery-screenshot.sh [OUT.png] [KEY KEY KEY]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/docs/style-gallery.png}"
shift || true
gallery="$root/build/test/examples/style-gallery/style-gallery"
[ -x "$gallery" ] || { echo "build the example first (./test builds it)" >&2; exit 1; }
QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$root/build/test/plugins" "$gallery" --grab "$out" "$@"
echo "wrote $out"
