#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Starts Tallyfox from the build tree with the user's own settings and data.
set -euo pipefail
build_dir=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tallyfox needs a desktop session (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
    echo "To try the command-line companion instead: $build_dir/bin/tallyfox-cli --help" >&2
fi
exec "$build_dir/bin/tallyfox" "${@:2}"
