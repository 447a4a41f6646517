#!/usr/bin/env bash
# The manual page follows the program's --help: the built page has every option the program
# lists, and a command named in the usage lines gets a section made from its own --help.
# Usage: manpage_check.sh <make_manpage.sh> <program> <built manual page, gzipped>
set -euo pipefail
source "$(dirname "$0")/../support/skip.sh"
require_tools help2man
make_manpage=$1
program=$2
built_page=$3

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# The roff spelling of an option: help2man escapes each hyphen.
roff() { echo "${1//-/\\-}"; }

page=$(gzip -dc "$built_page")
grep -qx 'kestova \\- draw survey deviations into a CAD drawing' <<<"$page" ||
  fail "the page has no NAME line"
help=$("$program" --help)
options=$(grep -oE -- '--?[a-z][a-z-]*' <<<"$help" | sort -u)
grep -qx -- --version <<<"$options" || fail "--help names no --version"
for option in $options; do
  grep -qF -- "$(roff "$option")" <<<"$page" || fail "the page lacks $option"
done

# A stand-in program with a command of its own, named in either form of usage line.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for second_usage in '       kestova check [options] design.csv' \
  '  or:  kestova check design.csv'; do
  cat >"$scratch/program" <<STANDIN
#!/bin/sh
case "\$*" in
  --version) echo "kestova 9.8.7" ;;
  --help) printf '%s\n' 'Usage: kestova [drawing.dxf]' '$second_usage' '' '  --version   version' ;;
  "check --help") printf '%s\n' 'Usage: kestova check design.csv' '' '  --tolerance D   limit' ;;
  *) exit 2 ;;
esac
STANDIN
  chmod +x "$scratch/program"
  bash "$make_manpage" "$scratch/program" "$scratch/kestova.1"
  section=$(sed -n '/^\.SH "KESTOVA CHECK"/,/^\.SH/p' "$scratch/kestova.1")
  [ -n "$section" ] || fail "no section for the check command after '$second_usage'"
  grep -qF -- "$(roff --tolerance)" <<<"$section" || fail "the check section lacks its option"
  grep -qF 'kestova 9.8.7' "$scratch/kestova.1" || fail "the page does not carry the version"
done
echo "the manual page follows --help"
