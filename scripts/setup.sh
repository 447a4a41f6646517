#!/usr/bin/env bash
# Installs the Debian packages that one purpose needs (see scripts/packages.sh):
#   setup.sh run       building and running the program (the default)
#   setup.sh package   that, and building the .deb
#   setup.sh test      all of that, and running every test
# Idempotent: packages already installed are skipped, and the package lists are
# refreshed only when something is missing.
set -euo pipefail
source "$(dirname "$0")/packages.sh"

purpose="${1:-run}"
case "$purpose" in
  run) packages=("${build_packages[@]}") ;;
  package) packages=("${build_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${build_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: setup.sh [run|package|test]" >&2
    exit 2
    ;;
esac

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
