#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages from debian/ and checks them with lintian.
#   scripts/build-deb.sh [DIR]
# The source tree (without build folders and .git) is copied into DIR
# (default build/deb), so the build leaves the working tree as it was; the
# .deb files, the .changes and lintian's report land in DIR. Extra
# DEB_BUILD_OPTIONS pass through (e.g. DEB_BUILD_OPTIONS=parallel=2).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(mkdir -p "${1:-$root/build/deb}" && cd "${1:-$root/build/deb}" && pwd)"
"$root/scripts/install-deps.sh" package

src="$out/vokrantov-test"
rm -rf "$src"
mkdir -p "$src"
tar -C "$root" --exclude=./build --exclude=./.git --exclude='./build*' -cf - . | tar -C "$src" -xf -

export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)} nocheck"
(cd "$src" && dpkg-buildpackage -us -uc -b)

changes=("$out"/vokrantov-test_*_"$(dpkg-architecture -qDEB_HOST_ARCH)".changes)
echo "== lintian =="
lintian --info --display-info "${changes[@]}" | tee "$out/lintian.txt"
if grep -qE '^[EW]: ' "$out/lintian.txt"; then
  echo "lintian reports errors or warnings (see $out/lintian.txt)" >&2
  exit 1
fi
echo "packages in $out, lintian clean"
