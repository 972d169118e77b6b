#!/usr/bin/env bash
# Starts the built game; it finds its data beside itself and keeps the
# player's files in $XDG_DATA_HOME/korvessa (by default ~/.local/share/korvessa).
set -euo pipefail
build="${1:-build}"
shift || true
exec "$build/korvessa" "$@"
