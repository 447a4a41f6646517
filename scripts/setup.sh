#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Kestova needs.
# Idempotent: packages already installed are skipped, and the package lists are
# refreshed only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libeigen3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-ezdxf librecad-data
  xvfb xauth fonts-dejavu-core fonts-dejavu-extra
  clang-format desktop-file-utils
  clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix wine wine64
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: these packages are missing and need root to install: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
