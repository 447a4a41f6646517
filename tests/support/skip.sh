# shellcheck shell=bash
# Sourced by the test scripts. A test that cannot run here says why and exits with ctest's
# skip code, 77 (their SKIP_RETURN_CODE, see kestova_add_script_test); scripts/test.sh fails
# a CI run that skipped any test.
skip() {
  echo "SKIPPED: $*"
  exit 77
}

# Skips the test unless every named program is on the PATH.
require_tools() {
  local tool missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if [ ${#missing[@]} -ne 0 ]; then
    skip "not installed: ${missing[*]} ('scripts/setup.sh test' installs what the tests need)"
  fi
}
