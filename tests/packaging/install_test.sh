#!/usr/bin/env bash
# Installs the build with DESTDIR into a temporary root and runs the installed programs from there: the
# command line's help, and a read-out and the doctor against the installed simulated instrument.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d "${TMPDIR:-/tmp}/terrovane-install-XXXXXX")
# The programs run in a home of their own: the caller's archive, settings and hand-off files stay untouched.
user=$(mktemp -d "${TMPDIR:-/tmp}/terrovane-install-user-XXXXXX")
sim_pid=""
cleanup() {
  [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$root" "$user"
}
trap cleanup EXIT
export HOME=$user/home XDG_CONFIG_HOME=$user/home/.config XDG_DATA_HOME=$user/home/.local/share
export XDG_CACHE_HOME=$user/home/.cache XDG_RUNTIME_DIR=$user/runtime
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset TERROVANE_ARCHIVE TERROVANE_PORTMAP TERROVANE_HANDOFF_DIR
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
for file in bin/Terrovane bin/rapstel bin/terrovane-cli bin/terrovane-sim \
            share/applications/org.terrovane.Terrovane.desktop share/applications/org.terrovane.Rapstel.desktop \
            share/metainfo/org.terrovane.Terrovane.metainfo.xml lib/udev/rules.d/70-terrovane.rules \
            share/icons/hicolor/16x16/apps/org.terrovane.Terrovane.png \
            share/icons/hicolor/256x256/apps/org.terrovane.Terrovane.png \
            share/man/man1/Terrovane.1.gz share/man/man1/rapstel.1.gz share/man/man1/terrovane-cli.1.gz share/man/man1/terrovane-sim.1.gz \
            share/doc/terrovane/copyright share/doc/terrovane/changelog.gz; do
  [[ -s "$usr/$file" ]] || fail "not installed: /usr/$file"
done
# Nothing lands outside the prefix.
[[ "$(ls "$root")" == usr ]] || fail "installed outside /usr: $(ls "$root")"

help=$("$usr/bin/terrovane-cli" --help) || fail "installed terrovane-cli --help failed"
grep -q '^COMMANDS' <<<"$help" || fail "terrovane-cli --help lists no commands"
grep -q 'doctor' <<<"$help" || fail "terrovane-cli --help does not list doctor"
"$usr/bin/Terrovane" --version | grep -qx 'Terrovane [0-9.]*' || fail "Terrovane --version"

export TERROVANE_PORTMAP=$root/ports.ini
export TERROVANE_HANDOFF_DIR=$root/handoff
coproc SIM { exec "$usr/bin/terrovane-sim" --portmap "$TERROVANE_PORTMAP"; }
sim_pid=$SIM_PID
read -r -t 10 device <&"${SIM[0]}" || fail "the installed terrovane-sim did not start"
[[ -c "$device" ]] || fail "terrovane-sim named no device: $device"

# The simulator answers at once: requests every millisecond (the build's own tests run one read-out
# at the instrument's pacing).
records=$(TERROVANE_LINK_PACING=100,1,early "$usr/bin/terrovane-cli" read 2>/dev/null) ||
  fail "installed terrovane-cli read failed"
[[ $(grep -c '^[0-9][0-9] ' <<<"$records") -gt 0 ]] || fail "the read-out listed no results: $records"
# The doctor speaks the user's language; these lines look for its English words.
english=(env -u LANGUAGE -u LC_MESSAGES LC_ALL=C.UTF-8)
doctor=$("${english[@]}" "$usr/bin/terrovane-cli" doctor 2>/dev/null) || fail "doctor found no instrument: $doctor"
grep -q '^\[ OK \] handshake' <<<"$doctor" || fail "doctor: $doctor"
# Without an instrument the doctor says so and fails.
status=0
absent=$(TERROVANE_PORTMAP=$root/absent.ini "${english[@]}" "$usr/bin/terrovane-cli" doctor 2>/dev/null) || status=$?
[[ $status -eq 1 ]] || fail "doctor without an instrument exited $status"
grep -q '^\[FAIL\] handshake: no answer' <<<"$absent" || fail "doctor without an instrument: $absent"
echo "installed and ran from $root"
