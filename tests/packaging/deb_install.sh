#!/usr/bin/env bash
# The .deb installs with apt-get into a minimal Debian 12, dependencies and all, and the
# program starts there. Needs root (chroot) and a Debian mirror.
# Usage: deb_install.sh <package folder> <version>
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/skip.sh"
source "$here/debian_root.sh"
require_tools debootstrap chroot flock wget
[ "$(id -u)" -eq 0 ] || skip "installing into a Debian root needs root"
packages=$1
version=$2
deb=$(ls "$packages"/kestova_"$version"_*.deb)

mirror=$(debian_mirror bookworm http://deb.debian.org/debian)
wget -q -O /dev/null --tries=1 --timeout=30 "$mirror/dists/bookworm/InRelease" ||
  skip "no Debian mirror answers at $mirror"

mkdir -p "$(cache_folder)"
remove_stale_copies
root=$(cache_folder)/run.$$
mkdir "$root"
trap 'remove_copy "$root"' EXIT

copy_cached_root "$root"
mount -t proc proc "$root/proc"
restore_downloads "$root"
cp "$deb" "$root/tmp/"
in_root "$root" apt-get update -q
# Without recommended packages: what Depends names must be enough to start.
in_root "$root" apt-get install -y -q --no-install-recommends -o Dpkg::Use-Pty=0 \
  "/tmp/$(basename "$deb")"
keep_downloads "$root"

answer=$(in_root "$root" kestova --version | head -n 1)
if [ "$answer" != "kestova $version" ]; then
  echo "FAILED: kestova --version said '$answer'" >&2
  exit 1
fi
echo "installed into a minimal Debian 12 and started: $answer"
