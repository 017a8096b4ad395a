#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# The Debian package that `make deb` built holds every file where Debian keeps it, and declares what it
# needs. Skipped until `make deb` has run for this version.
#   deb_test.sh FOLDER VERSION
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
version=$2
command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
deb=$1/tallyfox_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || skip "no $(basename "$deb"): make deb builds it"

expected="./usr/bin/tallyfox
./usr/bin/tallyfox-cli
./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -dumpmachine)/tallyfox/libtallyfox-charts.so
./usr/share/applications/io.github.tallyfox.Tallyfox.desktop
./usr/share/bash-completion/completions/tallyfox-cli
./usr/share/doc/tallyfox/NEWS.gz
./usr/share/doc/tallyfox/README.md.gz
./usr/share/doc/tallyfox/changelog.gz
./usr/share/doc/tallyfox/copyright
./usr/share/fish/vendor_completions.d/tallyfox-cli.fish
./usr/share/icons/hicolor/scalable/apps/io.github.tallyfox.Tallyfox.svg
./usr/share/man/man1/tallyfox-cli.1.gz
./usr/share/man/man1/tallyfox.1.gz
./usr/share/metainfo/io.github.tallyfox.Tallyfox.metainfo.xml
./usr/share/mime/packages/io.github.tallyfox.Tallyfox.xml
./usr/share/tallyfox/TallyfoxDefaultsOriginal.ini
./usr/share/zsh/vendor-completions/_tallyfox-cli"

dpkg -c "$deb" >"$scratch/contents"
found=$(awk '$1 !~ /^d/ { print $6 }' "$scratch/contents" | LC_ALL=C sort)
[ "$found" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "the package's files differ from the expected:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$found") || true)"
for program in tallyfox tallyfox-cli; do
    grep -q "^-rwxr-xr-x root/root .* \./usr/bin/$program\$" "$scratch/contents" ||
        fail "usr/bin/$program is not an executable of root's"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6svg6 libqt6charts6 fonts-liberation libqt6widgets6 libqt6network6; do
    grep -qw -- "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
finish
