#!/usr/bin/env bash
# Screenshots of every window and dialog of both programs (the list terrovane-window-shots opens) in
# English, German and Chinese at 1x and 1.5x, each on a 1600x1000 logical screen under a virtual X server,
# and the site report's pages as PNG files. Nothing is written into the repository.
# Usage: scripts/screenshots.sh BUILD_DIR OUT_DIR [SCALE...]   (scales default to "1 1.5")
# Needs xvfb-run and pdftoppm; build terrovane-window-shots and terrovane-history-shots first.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
out=${2:?output folder}
shift 2
scales=("$@")
[[ ${#scales[@]} -gt 0 ]] || scales=(1 1.5)
for program in terrovane-window-shots terrovane-history-shots; do
  [[ -x "$build/bin/$program" ]] || { echo "no $build/bin/$program: build it first" >&2; exit 1; }
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A session of its own: the tools' settings and archives never meet the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

declare -A locales=([en]=en_US.UTF-8 [de]=de_DE.UTF-8 [zh]=zh_CN.UTF-8)
for lang in en de zh; do
  for scale in "${scales[@]}"; do
    folder="$out/$lang-${scale}x"
    mkdir -p "$folder"
    width=$(awk -v s="$scale" 'BEGIN { printf "%d", 1600 * s }')
    height=$(awk -v s="$scale" 'BEGIN { printf "%d", 1000 * s }')
    LANGUAGE=$lang LANG=${locales[$lang]} QT_SCALE_FACTOR=$scale \
      xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$build/bin/terrovane-window-shots" "$folder"
  done
  # The site report as the archive window saves it, one picture per page.
  LANGUAGE=$lang LANG=${locales[$lang]} xvfb-run -a -s "-screen 0 1600x1000x24" \
    "$build/bin/terrovane-history-shots" "$work/history-$lang.sqlite" "$work/$lang-" >/dev/null
  pdftoppm -r 90 -png "$work/$lang-history-site-report.pdf" "$out/$lang-site-report"
  pdftoppm -r 90 -png "$work/$lang-history-due-list.pdf" "$out/$lang-due-list"
done
echo "screenshots in $out"
