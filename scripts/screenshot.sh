#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot of the main window: starts the program on a
# virtual display and captures the window's client area.
#   scripts/screenshot.sh [OUT.png]      (needs xvfb and imagemagick)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/docs/main-window.png}"
program="$root/build/release/app/vokrantov-test"
[ -x "$program" ] || { echo "build the program first (./run builds it)" >&2; exit 1; }
# The window opens centred on a 1024 x 768 screen: its 697 x 528 client area
# starts at (163, 120) when there is no window manager to add a frame.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$program' & pid=\$!
  sleep 4
  import -window root -crop 697x528+163+120 +repage -colors 128 PNG8:'$out'
  kill \$pid"
echo "wrote $out"
