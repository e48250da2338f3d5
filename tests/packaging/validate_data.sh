#!/usr/bin/env bash
# The desktop entries, the software-centre metadata and the manual pages pass the checkers distributions
# run on them, with nothing to say. Usage: validate_data.sh PACKAGING_SOURCE_DIR PACKAGING_BUILD_DIR
set -euo pipefail
src=$1
gen=$2
fail=0

quiet() {  # runs a checker; any output or a failure is a finding
  local out
  if ! out=$("$@" 2>&1) || [[ -n "$out" ]]; then
    echo "FAIL: $*"
    echo "$out"
    fail=1
  fi
}

for entry in "$src"/desktop/*.desktop; do
  quiet desktop-file-validate "$entry"
done
grep -qx 'NoDisplay=true' "$src/desktop/org.terrovane.Rapstel.desktop" || { echo "FAIL: rapstel's entry is shown"; fail=1; }
grep -q '^Name\[zh_CN\]=' "$src/desktop/org.terrovane.Terrovane.desktop" || { echo "FAIL: no Chinese name"; fail=1; }

metainfo=$gen/org.terrovane.Terrovane.metainfo.xml
if ! out=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); then
  echo "FAIL: appstreamcli validate --no-net --pedantic $metainfo"
  echo "$out"
  fail=1
fi
grep -q '<modalias>usb:v10C4pEA60d\*</modalias>' "$metainfo" || { echo "FAIL: no modalias of the bridge"; fail=1; }

for page in Terrovane rapstel terrovane-cli terrovane-sim; do
  [[ -s "$gen/man/$page.1" ]] || { echo "FAIL: no manual page $page.1"; fail=1; continue; }
  # man renders into a pipe here: everything it says on standard error is a warning.
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$gen/man/$page.1" 2>&1 >/dev/null) || true
  [[ -z "$out" ]] || { echo "FAIL: man --warnings -l $page.1"; echo "$out"; fail=1; }
done
# What users look up there: where the archive is, and what `clock` does when given no moment.
for page in Terrovane terrovane-cli; do
  environment=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$gen/man/$page.1" 2>/dev/null | sed -n '/^ENVIRONMENT/,/^[A-Z]/p')
  grep -q 'TERROVANE_ARCHIVE' <<<"$environment" || { echo "FAIL: $page.1 names no TERROVANE_ARCHIVE under ENVIRONMENT"; fail=1; }
done
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$gen/man/terrovane-cli.1" 2>/dev/null | tr -s ' \n' ' ' |
  grep -q 'present date and time' ||
  { echo "FAIL: terrovane-cli.1 does not say that clock without --set sets the computer's time"; fail=1; }
exit $fail
