#!/usr/bin/env bash
# Cross-builds the COM backend's tests and the cad:: member suite for Windows and runs them
# under Wine, in a fresh Wine prefix where the stand-in CAD server is registered under the CAD
# program's ProgIDs.
# Usage: run_wine_tests.sh <source directory> <build directory>
set -euo pipefail

source_dir=$(cd "$1" && pwd)
build_dir=$2
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)

source "$source_dir/tests/support/skip.sh"
require_tools x86_64-w64-mingw32-g++-posix wine wineserver

echo "cad_com_wine: cross-building in $build_dir"
source "$source_dir/scripts/compiler_cache.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" \
  -DKESTOVA_COM_BACKEND_ONLY=ON "${compiler_launcher[@]}" >"$build_dir/configure.log" 2>&1 ||
  { cat "$build_dir/configure.log"; exit 1; }
cmake --build "$build_dir" -j2 --target kestova_com_tests kestova_com_member_tests \
  >"$build_dir/build.log" 2>&1 ||
  { cat "$build_dir/build.log"; exit 1; }

bin_dir=$build_dir/tests/cad/com
export WINEPREFIX=$build_dir/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# Every Wine process of this prefix goes when the run ends, however it ends.
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}
trap stop_wine EXIT

echo "cad_com_wine: creating the Wine prefix"
rm -rf "$WINEPREFIX"
# Wine's helper processes keep the output of the first Wine command open: never a pipe.
wine wineboot --init >"$build_dir/wineboot.log" 2>&1 </dev/null

# The stand-in server under each release's ProgID, started by COM as a local server. COM's
# single-threaded apartments need windows, so Wine gets its display-less driver.
server_path="Z:${bin_dir//\//\\}\\kestova_standin_server.exe"
reg_file=$build_dir/standin.reg
{
  echo "REGEDIT4"
  echo
  echo "[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]"
  echo "\"Graphics\"=\"null\""
  for release in 15 16 17 18 19 20; do
    clsid="{7E5A0C10-4B2D-4C8A-9F00-0000000000$release}"
    echo
    echo "[HKEY_CLASSES_ROOT\\AutoCAD.Application.$release\\CLSID]"
    echo "@=\"$clsid\""
    echo "[HKEY_CLASSES_ROOT\\CLSID\\$clsid]"
    echo "@=\"Kestova stand-in CAD server $release\""
    echo "[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\ProgID]"
    echo "@=\"AutoCAD.Application.$release\""
    echo "[HKEY_CLASSES_ROOT\\CLSID\\$clsid\\LocalServer32]"
    echo "@=\"\\\"${server_path//\\/\\\\}\\\" --release $release\""
  done
} >"$reg_file"
wine reg import "Z:${reg_file//\//\\}" >"$build_dir/registry.log" 2>&1 </dev/null ||
  { cat "$build_dir/registry.log"; exit 1; }

# The desktop process started by wineboot has no driver yet: start afresh.
stop_wine

echo "cad_com_wine: running the tests"
rm -f "$bin_dir/standin-calls.log"
status=0
for program in kestova_com_tests kestova_com_member_tests; do
  wine "$bin_dir/$program.exe" >"$build_dir/$program.log" 2>&1 </dev/null || status=1
  cat "$build_dir/$program.log"
done
exit $status
