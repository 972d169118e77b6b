#!/usr/bin/env bash
# Starts the game in its data folder, $XDG_DATA_HOME/korvessa (by default
# ~/.local/share/korvessa): the generated Images/, Terrain/ and Sounds/ are
# refreshed there from the build, while "Saved Games", Korvessa.ini and
# Run.log stay from run to run.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
data="${XDG_DATA_HOME:-$HOME/.local/share}/korvessa"
mkdir -p "$data"
for d in Images Terrain Sounds; do
  if [ -d "$build/data/$d" ]; then
    rm -rf "${data:?}/$d"
    cp -r "$build/data/$d" "$data/$d"
  fi
done
if [ -f "$build/data/KV-MANUAL.HTML" ]; then cp "$build/data/KV-MANUAL.HTML" "$data/"; fi
echo "Korvessa's data folder (saved games, settings, Run.log): $data"
cd "$data"
exec "$build/korvessa"
