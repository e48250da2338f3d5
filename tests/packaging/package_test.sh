#!/usr/bin/env bash
# Builds the Debian package from the build (or takes the one given as DEB, so that CI checks the package it
# made rather than making a second), checks what it holds, its dependencies and maintainer scripts, and that
# lintian finds no error in it. Usage: package_test.sh BUILD_DIR VERSION [DEB]
set -euo pipefail
build=$1
version=$2
out=$(mktemp -d "${TMPDIR:-/tmp}/terrovane-deb-XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ $# -ge 3 ]]; then
  deb=$3
else
  (cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >cpack.log 2>&1) ||
    { cat "$out/cpack.log"; fail "cpack"; }
  deb=$out/terrovane_${version}_$(dpkg --print-architecture).deb
fi
[[ -f "$deb" ]] || fail "no package $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/Terrovane ./usr/bin/rapstel ./usr/bin/terrovane-cli ./usr/bin/terrovane-sim \
            ./usr/share/applications/org.terrovane.Terrovane.desktop \
            ./usr/share/applications/org.terrovane.Rapstel.desktop \
            ./usr/share/metainfo/org.terrovane.Terrovane.metainfo.xml ./usr/lib/udev/rules.d/70-terrovane.rules \
            ./usr/share/icons/hicolor/48x48/apps/org.terrovane.Terrovane.png \
            ./usr/share/man/man1/terrovane-cli.1.gz ./usr/share/doc/terrovane/copyright \
            ./usr/share/doc/terrovane/changelog.gz; do
  grep -qx -- "$file" <<<"$contents" || fail "the package lacks $file"
done
grep -q '^\./usr/local\|^\./home\|^\./tmp' <<<"$contents" && fail "the package holds files outside /usr"

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the Qt widgets library: $depends"
grep -q 'libc6' <<<"$depends" || fail "Depends lacks libc6: $depends"
dpkg-deb -e "$deb" "$out/control"
for script in postinst postrm; do
  [[ -x "$out/control/$script" ]] || fail "no executable $script"
  grep -q 'udevadm control --reload-rules' "$out/control/$script" || fail "$script does not reload udev rules"
done

# Errors fail the test; warnings and notes are shown for whoever reads the log.
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[[ $status -eq 0 ]] || fail "lintian reports errors"
echo "package $(basename "$deb") checked"
