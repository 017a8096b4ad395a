#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Builds tallyfox_VERSION_ARCH.deb with Debian's own tools, from a copy of the source tree as it is on the
# disk (the files git knows and new ones it does not ignore), in FOLDER; then checks the package with
# lintian and with the list of the files it must hold. JOBS: parallel compile jobs (default 2).
#   make-deb.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-build-deb}")
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
tree=$out/tallyfox-$version

rm -rf "$out"
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
        [ -e "$file" ] && printf '%s\0' "$file"
    done |
    tar --null --files-from=- -cf - | tar -xf - -C "$tree"

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=${JOBS:-2}" dpkg-buildpackage -us -uc -b)

deb=$out/tallyfox_${version}_$arch.deb
echo "== lintian"
lintian --display-info --fail-on error "$out/tallyfox_${version}_$arch.changes"
echo "== dpkg -c $(basename "$deb")"
dpkg -c "$deb"
echo "== contents"
bash tests/package/deb_test.sh "$out" "$version"
echo "Built $deb"
