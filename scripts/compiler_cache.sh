# shellcheck shell=bash
# Sourced by the scripts that build: when ccache is installed, compiles through it, with its
# cache outside the clone and kept between runs on this machine, beside the package test's
# Debian root ($KESTOVA_TEST_CACHE, else kestova-test under $XDG_CACHE_HOME, else under
# /var/cache; ccache's own place when that cannot be written). Paths inside the clone are
# hashed relative to it, so a fresh clone of the same commit finds the cache warm.
# Sets `compiler_launcher` to the options that make CMake use it (empty without ccache).
compiler_launcher=()
if command -v ccache >/dev/null; then
  cache_root=${KESTOVA_TEST_CACHE:-${XDG_CACHE_HOME:-/var/cache}/kestova-test}
  if mkdir -p "$cache_root/ccache" 2>/dev/null && [ -w "$cache_root/ccache" ]; then
    export CCACHE_DIR=${CCACHE_DIR:-$cache_root/ccache}
  fi
  CCACHE_BASEDIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  export CCACHE_BASEDIR
  export CCACHE_NOHASHDIR=true
  # Precompiled headers are made afresh in every build: their time stamps say nothing.
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-12G}
  # QtTest gives each test source the folders of its checkout, for a macro no test uses.
  export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
  compiler_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
