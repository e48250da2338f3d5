#!/usr/bin/env bash
# Every file and machine-readable output is the same under a German and the C locale: the read-out image,
# the workbook, CSV and JSON listings, the soil and fall-of-potential JSON, both PDF reports (their text;
# their creation dates differ) and the archive's own answers; and what only the windows write (WRITER
# writes it with their code): the archive window's .xlsx (its members and its cells as openpyxl reads
# them; its time stamps differ) and .xls, the hand-off files data.inf and set.inf, and the settings file.
# Numbers typed with a decimal point are taken under both.
#   locale_bytes.sh CLI SIM SCRATCH WRITER
set -euo pipefail
cli=$1 sim=$2 scratch=$3 writer=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch" && mkdir -p "$scratch"
if ! locale -a | grep -qix 'de_DE.utf8'; then
  echo "the de_DE.UTF-8 locale is not generated (scripts/deps.sh makes it)" >&2
  exit 1
fi

run_all() {
  local locale=$1 dir=$scratch/$1
  mkdir -p "$dir/home" "$dir/handoff"
  export HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config XDG_DATA_HOME=$dir/home/.local/share
  export TERROVANE_ARCHIVE=$dir/archive.sqlite TERROVANE_PORTMAP=$dir/portmap TERROVANE_HANDOFF_DIR=$dir/handoff
  # The instrument's own pacing: the quicker ones the other tests use can miss replies on a loaded machine.
  unset LANGUAGE LC_MESSAGES LC_NUMERIC TERROVANE_LINK_PACING
  "$sim" --portmap "$dir/portmap" >"$dir/sim.out" 2>&1 &
  local sim_pid=$!
  # The simulator names its device on its first line once it listens.
  local deadline=$((SECONDS + 20))
  until [[ -s $dir/sim.out ]]; do
    if ((SECONDS > deadline)) || ! kill -0 "$sim_pid" 2>/dev/null; then
      echo "the simulator did not start" >&2
      return 1
    fi
    sleep 0.05
  done
  (
    # The locale's numbers are what differs; the messages (on standard error, compared too) are kept
    # in English through LANGUAGE, which names the language before LC_ALL does.
    export LC_ALL=$locale LANGUAGE=en
    cd "$dir"
    step() { local name=$1; shift; "$cli" "$@" >"out-$name.txt" 2>&1 || echo "status $?" >>"out-$name.txt"; }
    step read read --out image.bin --format csv --fast
    step read-json read --format json --no-archive --fast
    step export export --xls book.xls --from image.bin
    step report report --pdf report.pdf --from image.bin --lang en --object Werk --serial 7 --tester Li --date 2024-05-06
    step site site add "Werk Süd" --limit 7.5 --position 48.137,11.575 --interval 12
    step point point add "Werk Süd" P1 --kind rod --limit 2.5
    step assign assign 1 2 3 --to "Werk Süd/P1"
    step sites-json sites --format json
    step sites-csv sites --format csv
    step history-csv history --format csv
    step history-json history --format json
    step due due --format json
    step soil soil --from image.bin --format json
    step fop fop --readout 1 --distances 10,20,30 --current-probe 50 --format json
    step site-report site report "Werk Süd" --pdf site.pdf --lang en --tester Li --instrument 7
    step limits limits
    mkdir -p windows && "$writer" "$dir/windows" >out-windows.txt 2>&1 || echo "status $?" >>out-windows.txt
    for pdf in report.pdf site.pdf; do
      [[ -f $pdf ]] && pdftotext -layout "$pdf" "$pdf.txt"
    done
  )
  local status=$?
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  return $status
}

run_all C.UTF-8
run_all de_DE.UTF-8
# When the results were read differs from run to run: the time stamps are set aside before comparing.
for file in "$scratch"/*/out-*.txt "$scratch"/*/*.pdf.txt; do
  [[ -f $file ]] && sed -i -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2}[T ][0-9]{2}:[0-9]{2}(:[0-9]{2})?([+-][0-9]{2}:[0-9]{2}|Z)?/TIME/g' "$file"
done
status=0
for file in "$scratch/C.UTF-8"/out-*.txt "$scratch/C.UTF-8"/image.bin "$scratch/C.UTF-8"/book.xls \
  "$scratch/C.UTF-8"/*.pdf.txt "$scratch/C.UTF-8"/windows/{data.inf,set.inf,results.xls} \
  "$scratch/C.UTF-8"/home/.config/*/Terrovane.conf; do
  name=${file#"$scratch/C.UTF-8/"}
  if ! cmp -s "$file" "$scratch/de_DE.UTF-8/$name"; then
    echo "$name differs between C.UTF-8 and de_DE.UTF-8:" >&2
    diff "$file" "$scratch/de_DE.UTF-8/$name" | head -20 >&2 || true
    status=1
  fi
done
# A zip's members carry the time they were written: the workbook is compared member by member.
/usr/bin/python3 "$here/same_xlsx.py" "$scratch/C.UTF-8/windows/results.xlsx" "$scratch/de_DE.UTF-8/windows/results.xlsx" ||
  status=1
# The German run took the site's numbers with a decimal point, and wrote them with one.
grep -q '48.137' "$scratch/de_DE.UTF-8/out-sites-json.txt" || { echo "the site's position was not kept" >&2; status=1; }
grep -q '"7.5\|7.5' "$scratch/de_DE.UTF-8/out-sites-csv.txt" || { echo "the site's limit was not kept" >&2; status=1; }
[[ -s $scratch/C.UTF-8/book.xls && -s $scratch/C.UTF-8/report.pdf.txt && -s $scratch/C.UTF-8/site.pdf.txt &&
  -s $scratch/C.UTF-8/windows/set.inf && -s $scratch/C.UTF-8/windows/results.xlsx ]] ||
  { echo "a file was not written" >&2; status=1; }
exit $status
