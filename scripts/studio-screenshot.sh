#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot of vexabutton-studio with the example preset:
# starts the studio on a virtual display and captures its window.
#   scripts/studio-screenshot.sh [OUT.png]      (needs xvfb and imagemagick)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/docs/studio.png}"
studio="$root/build/test/tools/vexabutton-studio/vexabutton-studio"
[ -x "$studio" ] || { echo "build the studio first (./test builds it)" >&2; exit 1; }
# Without a window manager the 1040 x 720 window opens at the top-left corner.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  '$studio' '$root/docs/presets/provera.json' & pid=\$!
  sleep 4
  import -window root -crop 1040x720+0+0 +repage -colors 128 PNG8:'$out'
  kill \$pid"
echo "wrote $out"
