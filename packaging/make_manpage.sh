#!/usr/bin/env bash
# Writes the manual page from the program's own --help and --version, so that it follows
# them. Every command that the usage lines name ("kestova WORD ..." after "Usage:" or "or:",
# or on a line of their own) gets a section of its own made from `kestova WORD --help`.
# Usage: make_manpage.sh <program> <manual page>  (help2man from $HELP2MAN, else the PATH)
set -euo pipefail
program=$(realpath "$1")
page=$2

commands=$("$program" --help |
  sed -nE 's/^ *((Usage|or): *)?kestova +([a-z][a-z0-9-]*)( .*)?$/\3/p' | tr '\n' ' ')

# help2man names the page after the program it runs and reads one help text: this stand-in
# is called kestova and adds each command's help, headed by a "*Section*" line of its own.
wrapper_folder=$(mktemp -d)
trap 'rm -rf "$wrapper_folder"' EXIT
cat >"$wrapper_folder/kestova" <<WRAPPER
#!/bin/sh
"$program" "\$@" || exit
[ "\$1" = --help ] || exit 0
for command in $commands; do
  printf '\n*kestova %s*\n' "\$command"
  "$program" "\$command" --help
done
WRAPPER
chmod +x "$wrapper_folder/kestova"

"${HELP2MAN:-help2man}" --no-info --no-discard-stderr --section 1 \
  --name "draw survey deviations into a CAD drawing" \
  --output "$page" "$wrapper_folder/kestova"
