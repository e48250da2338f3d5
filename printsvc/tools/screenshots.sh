#!/bin/sh
# Screenshots of rapstel under Xvfb: the header dialog, and the print preview of a two-page report.
# Usage: printsvc/tools/screenshots.sh BUILD_DIR OUT_DIR [RAPSTEL_OPTION...]
# The options go to rapstel ("--lang en" for the English texts); QT_SCALE_FACTOR=2 for the 2x pictures.
set -eu
build=${1:?build folder}
out=${2:?output folder}
shift 2
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/handoff" "$work/runtime"
chmod 700 "$work/runtime"

# data.inf with 25 records of every mode in slots 0..24.
/usr/bin/python3 - "$work/handoff/data.inf" <<'PY'
import struct, sys
image = bytearray()
for slot in range(100):
    p = bytearray(72)
    p[0:2] = p[68:70] = b"OK"
    if slot < 25:
        mode = 1 + slot % 10
        p[4] = mode
        p[6:12] = bytes([0x12, 0x11, 0x30, 0x10, 0x20, slot // 10 * 16 + slot % 10])
        p[12], p[13] = 1 + slot % 2, 1 + slot % 5
        values = [12.5 * (slot + 1), 1500, 2500, 40 + slot, 2.5, 350, 700, 0.25, 50, 3, 1.5]
        p[14:58] = struct.pack("<11f", *values)
        p[58:60] = struct.pack("<H", 10 + slot)
        p[67] = ord("U")
    image += p
open(sys.argv[1], "wb").write(image)
PY
/usr/bin/python3 - "$work/handoff/set.inf" <<'PY'
import sys
fields = ["变电站 1 号接地网", "SN20090115", "王工"]
data = b"".join(f.encode("gbk").ljust(256, b"\0") for f in fields)
open(sys.argv[1], "wb").write(data)
PY

export TERROVANE_HANDOFF_DIR="$work/handoff" XDG_RUNTIME_DIR="$work/runtime"
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  build=$0 out=$1; shift
  "$build/bin/rapstel" "$@" & pid=$!
  sleep 3
  import -window root "$out/rapstel-header-dialog.png"
  kill $pid
  wait $pid 2>/dev/null || true
  RAPSTEL_AUTO_HEADER=accept "$build/bin/rapstel" "$@" & pid=$!
  sleep 5
  import -window root "$out/rapstel-preview.png"
  kill $pid
  wait $pid 2>/dev/null || true
' "$build" "$out" "$@"
echo "screenshots in $out"
