#!/usr/bin/env bash
# Starts the game in its data folder, refreshed with the generated art.
set -euo pipefail
build=${1:-build}
if [ -x "$build/korvessa" ]; then
  data="${XDG_DATA_HOME:-$HOME/.local/share}/korvessa"
  mkdir -p "$data"
  for d in Images Terrain Sounds; do
    if [ -d "$build/data/$d" ]; then rm -rf "$data/$d"; cp -r "$build/data/$d" "$data/$d"; fi
  done
  [ -f "$build/data/KV-MANUAL.HTML" ] && cp "$build/data/KV-MANUAL.HTML" "$data/"
  cd "$data"
  exec "$OLDPWD/$build/korvessa"
fi
echo "The game's screens are not built yet. Its companion tool can already do this:"
"$build/kvtool" --help
