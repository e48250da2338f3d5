#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the programs and the tests need; only what is missing.
set -euo pipefail

# Each line says who needs its packages.
packages=(
  build-essential cmake ninja-build ccache clang-format mold  # the build (mold: the fast linker) and its format check
  qt6-base-dev libgl-dev                                 # Qt 6 (its Gui module wants the GL headers)
  libgtest-dev libgmock-dev                              # the tests
  qt6-base-private-dev                                   # the tests' input through the window system's queue
  python3 python3-xlrd python3-olefile python3-openpyxl poppler-utils  # the tests' independent workbook and PDF readers
  python3-jsonschema                                     # the command line's JSON checked against docs/schemas in the tests
  nlohmann-json3-dev                                     # JSON written by the archive's newer outputs (the sites' GeoJSON)
  python3-icalendar libxml2-utils                        # the tests' independent iCalendar and XML (KML) readers
  gnumeric                                               # ssconvert: one more workbook reader for the tests
  fonts-wqy-zenhei fonts-liberation                      # the dialogs' and the report's fonts
  xvfb xauth imagemagick xdotool                         # the screenshot tools
  stress-ng                                              # scripts/stress.sh: the suite run again while every core is busy
  libspreadsheet-writeexcel-perl libole-storage-lite-perl libxlsxwriter-dev time  # the benchmarks' peers
  libsqlite3-dev libxlsxwriter-dev                       # the measurement archive and its .xlsx export
  libzip-dev                                             # other testers' .xlsx workbooks read for the import (import/)
  libexif-dev                                            # photos attached to the archive: their EXIF date and GPS position
  nlohmann-json3-dev                                     # the one JSON library outside Qt: every JSON the programs write or read (numbers/Json.h)
  libgsl-dev                                             # the soil model's least-squares solver (analysis/)
  libeigen3-dev                                          # the electrode solver's dense symmetric systems (electrode/)
  qt6-svg-dev                                            # the plots saved as SVG (plots/) and the firm's SVG logo in the site report
  qpdf                                                   # the site report's PDF/A checked structurally by the tests (tests/sitereport)
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools    # the translations: lupdate, lrelease and their CMake functions
  qt6-translations-l10n                                  # Qt's own texts (standard buttons, dialogs) in Chinese and German
  dpkg-dev file desktop-file-utils appstream lintian man-db  # the Debian package and its checks
  clang libclang-rt-14-dev                               # the fuzz programs (scripts/fuzz.sh, libFuzzer)
  locales                                                # the locales below, for the tests under other locales
  libpq-dev postgresql                                   # the team archive's client (pg/) and the throw-away server of its tests
  openssl                                                # the certificates of that server's TLS tests
  postgresql-15-pgtap                                    # the team server's rights tested in SQL (tests/team/pgtap)
  qtkeychain-qt6-dev                                     # the team password in the desktop's secret store (ui/team)
  dbus gnome-keyring libsecret-tools                     # the tests' own secret store on a private bus (tests/teamui): dbus-daemon, dbus-send, gnome-keyring-daemon, secret-tool
)
# The locales the tests and the screenshot tools run under: one with a decimal comma, English, Chinese.
locales=(de_DE.UTF-8 en_US.UTF-8 zh_CN.UTF-8)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

# A locale is there when `locale -a` lists it (it spells "de_DE.UTF-8" as "de_DE.utf8").
missing_locales=()
installed_locales=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/' || true)
for l in "${locales[@]}"; do
  wanted=$(echo "$l" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
  grep -qx "$wanted" <<<"$installed_locales" || missing_locales+=("$l")
done
[[ ${#missing[@]} -eq 0 && ${#missing_locales[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null ||
    { echo "deps: need root (or sudo) to install: ${missing[*]} ${missing_locales[*]}" >&2; exit 1; }
  sudo=sudo
fi
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "deps: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [[ ${#missing_locales[@]} -gt 0 ]]; then
  echo "deps: generating the locales ${missing_locales[*]}"
  # Each wanted line of /etc/locale.gen once, uncommented; locale-gen then builds every line it finds.
  for l in "${missing_locales[@]}"; do
    line="$l UTF-8"
    if grep -qE "^# *${line}\$" /etc/locale.gen 2>/dev/null; then
      $sudo sed -i -E "s/^# *${line}\$/${line}/" /etc/locale.gen
    elif ! grep -qx "$line" /etc/locale.gen 2>/dev/null; then
      echo "$line" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
  done
  $sudo locale-gen >/dev/null
fi
