#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes debian/libvexabutton<N>.symbols (N the soname's number) from a built library, after a change
# of the public API (dpkg-buildpackage fails when a listed symbol is gone).
#   scripts/update-symbols.sh [BUILD_DIR]   (default build/test)
# The standard library's template instantiations the library exports depend
# on the compiler's inlining, so they are listed as optional.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build/test}"
library="$(readlink -f "$build/button/libvexabutton.so")"
version="$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)"
# The runtime package is named after the library's soname.
soname="$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')"
package="$(echo "$soname" | sed -E 's/\.so\.([0-9]+)$/\1/')"
symbols="$root/debian/$package.symbols"
raw="$(mktemp)"
trap 'rm -f "$raw"' EXIT
(cd "$root" && dpkg-gensymbols -q -c0 -I/dev/null -v"$version" -p"$package" -e"$library" -O"$raw")
{
  head -n 1 "$raw"
  echo "* Build-Depends-Package: libvexabutton-dev"
  tail -n +2 "$raw" | sed -E 's/^ (_ZT[ISV]St|_ZZNSt|_ZNSt)/ (optional)\1/'
} >"$symbols"
echo "debian/$package.symbols: $(grep -c '@Base' "$symbols") symbols"
