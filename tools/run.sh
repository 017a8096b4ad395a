#!/usr/bin/env bash
# Starts Tallyfox from the build tree. Until the main window lands, this lists the shipped sample
# database with the command-line tool.
set -euo pipefail
build_dir=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$build_dir/bin/tallyfox-cli" -f "$root/data/sample.tfx" list --sort date
