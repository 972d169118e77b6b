#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing
# (make too, for a fresh machine that has nothing but the source tree).
set -euo pipefail
packages=(
  make build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  libsdl2-dev libsdl2-mixer-dev
  libcairo2-dev zlib1g-dev console-setup-linux
  clang libclang-rt-14-dev
)
# Extra packages a script asks for (scripts/idle-cpu.sh: xvfb).
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ...) or install sudo, then try again." >&2
    exit 1
  fi
  SUDO="sudo"
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
