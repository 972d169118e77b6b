#!/usr/bin/env bash
# Installs what the browser build and its tests need, only what is missing:
# Debian's emscripten and chromium, and the browser tests' npm packages
# (puppeteer-core, which drives Debian's chromium and never fetches one).
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(emscripten chromium)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# node and npm may come from elsewhere than Debian's packages: any will do.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
command -v python3 >/dev/null || missing+=(python3)
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
if [ "${1:-}" = "--tests" ]; then
  modules=tests/web/node_modules
  if [ ! -d "$modules" ] || [ tests/web/package-lock.json -nt "$modules" ]; then
    (cd tests/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
    touch "$modules"
  fi
fi
