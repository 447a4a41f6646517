# shellcheck shell=bash
# Sourced by deb_install.sh: a minimal Debian 12 (debootstrap --variant=minbase) kept in a
# cache folder outside the build, so that only the first run waits for it, and throw-away
# copies of it to install into. The cache is $KESTOVA_TEST_CACHE, else kestova-test under
# $XDG_CACHE_HOME, else under /var/cache.

cache_folder() {
  echo "${KESTOVA_TEST_CACHE:-${XDG_CACHE_HOME:-/var/cache}/kestova-test}"
}

# The Debian mirror this machine's apt uses for a suite, else Debian's own.
debian_mirror() {
  local suite=$1 fallback=$2 uri
  # shellcheck disable=SC2016 # apt's own placeholders
  uri=$(apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Identifier: Packages' \
    2>/dev/null | awk -v suite="$suite" '$1 == suite { print $2; exit }')
  uri=${uri:-$fallback}
  echo "${uri%/}"
}

in_root() {
  local root=$1
  shift
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    chroot "$root" "$@"
}

# Sound: debootstrap finished, apt runs, and dpkg knows of no half-installed package.
root_is_sound() {
  local root=$1
  [ -f "$root/.kestova-complete" ] &&
    in_root "$root" apt-get --version >/dev/null 2>&1 &&
    [ -z "$(in_root "$root" dpkg --audit 2>&1)" ]
}

# apt's sources: this machine's mirrors for Debian 12 and its updates.
write_sources() {
  local root=$1 mirror security
  mirror=$(debian_mirror bookworm http://deb.debian.org/debian)
  security=$(debian_mirror bookworm-security http://deb.debian.org/debian-security)
  cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
SOURCES
}

# The root keeps apt's package lists, so that a run only checks them for changes. Nothing in
# it needs to outlive a crash, so dpkg skips syncing every file it writes.
make_root() {
  local root=$1 mirror
  mirror=$(debian_mirror bookworm http://deb.debian.org/debian)
  rm -rf --one-file-system "$root" "$root.new"
  echo "making a minimal Debian 12 in $root from $mirror (once)"
  if ! debootstrap --variant=minbase bookworm "$root.new" "$mirror" >"$root.log" 2>&1; then
    tail -20 "$root.log"
    echo "debootstrap failed, see $root.log" >&2
    return 1
  fi
  echo force-unsafe-io >"$root.new/etc/dpkg/dpkg.cfg.d/kestova-unsafe-io"
  write_sources "$root.new"
  in_root "$root.new" apt-get update -q >>"$root.log" 2>&1
  touch "$root.new/.kestova-complete"
  mv "$root.new" "$root"
}

# Copies the cached root, made or remade when missing or broken, to the empty folder `copy`.
copy_cached_root() {
  local copy=$1 root
  root=$(cache_folder)/bookworm-minbase
  mkdir -p "$(cache_folder)/archives"
  (
    flock 9
    root_is_sound "$root" || make_root "$root"
    cp -a "$root/." "$copy"
  ) 9>"$(cache_folder)/lock"
  write_sources "$copy"
}

remove_copy() {
  umount "$1/proc" 2>/dev/null || true
  rm -rf --one-file-system "$1"
}

# Copies are named after the process that made them: those of ended processes (a run that
# was killed) go.
remove_stale_copies() {
  local copy
  for copy in "$(cache_folder)"/run.*; do
    [ -d "$copy" ] && ! kill -0 "${copy##*.}" 2>/dev/null && remove_copy "$copy"
  done
  return 0
}

# apt's downloads are kept in the cache between runs: they go into the copy before an
# install and come back after it.
restore_downloads() {
  cp -l "$(cache_folder)/archives/"*.deb "$1/var/cache/apt/archives/" 2>/dev/null || true
}
keep_downloads() {
  cp -n "$1/var/cache/apt/archives/"*.deb "$(cache_folder)/archives/" 2>/dev/null || true
}
