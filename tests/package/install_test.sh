#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# `cmake --install` puts every file where a Linux desktop, the shells and man look for it, and the
# installed programs find their shipped defaults file.
#   install_test.sh BUILD_FOLDER
set -euo pipefail
source "$(dirname "$0")/testlib.sh"
root=$scratch/root
cmake --install "$1" --prefix "$root" >"$scratch/install.log" || {
    cat "$scratch/install.log" >&2
    exit 1
}

libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$1/CMakeCache.txt")
expected="bin/tallyfox
bin/tallyfox-cli
${libdir:-lib}/tallyfox/libtallyfox-charts.so
share/applications/io.github.tallyfox.Tallyfox.desktop
share/bash-completion/completions/tallyfox-cli
share/fish/vendor_completions.d/tallyfox-cli.fish
share/icons/hicolor/scalable/apps/io.github.tallyfox.Tallyfox.svg
share/man/man1/tallyfox-cli.1
share/man/man1/tallyfox.1
share/metainfo/io.github.tallyfox.Tallyfox.metainfo.xml
share/mime/packages/io.github.tallyfox.Tallyfox.xml
share/tallyfox/TallyfoxDefaultsOriginal.ini
share/zsh/site-functions/_tallyfox-cli"
found=$(cd "$root" && find . -not -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$found" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "installed files differ from the expected:
$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$found") || true)"
for program in tallyfox tallyfox-cli; do
    [ -x "$root/bin/$program" ] || fail "bin/$program is not executable"
done

# The file type as the desktop's database gives it.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$root/share/mime"
    grep -qx '50:application/x-tallyfox:\*\.tfx' "$root/share/mime/globs2" ||
        fail "*.tfx is not application/x-tallyfox: $(cat "$root/share/mime/globs2")"
else
    fail "update-mime-database is not installed (make test installs shared-mime-info)"
fi

# The installed tool copies the shipped defaults file from share/tallyfox into a new settings folder
# when it stores something (reading commands write nothing).
settings=$scratch/settings
mkdir "$settings"
"$root/bin/tallyfox-cli" -d "$settings" -f "$settings/data.tfx" add --type Coffee --amount 2.40 \
    >/dev/null 2>"$scratch/err" ||
    fail "the installed tallyfox-cli failed: $(cat "$scratch/err")"
cmp -s "$settings/TallyfoxDefaults.ini" "$root/share/tallyfox/TallyfoxDefaultsOriginal.ini" ||
    fail "the installed tallyfox-cli did not find its shipped defaults file"
# And its chart library, in the library folder.
"$root/bin/tallyfox-cli" -d "$settings" -f "$settings/data.tfx" chart months --out "$scratch/chart.png" \
    2>"$scratch/err" || fail "the installed tallyfox-cli drew no chart: $(cat "$scratch/err")"
finish
