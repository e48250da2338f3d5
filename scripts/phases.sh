# Times the phases of a script and prints them as a table: `phase NAME command...` runs the command and
# notes how long it took and how it ended; `phases_table` prints what was noted (call it on EXIT, so a
# failing run shows where its time went too). Sourced, not run.
phases_file=$(mktemp "${TMPDIR:-/tmp}/terrovane-phases-XXXXXX")
phases_started=$(date +%s)

phase() {
  local name=$1; shift
  local start end status=0
  start=$(date +%s)
  "$@" || status=$?
  end=$(date +%s)
  printf '%s\t%s\t%s\n' "$name" "$((end - start))" "$status" >>"$phases_file"
  return $status
}

phases_table() {
  local status=$?
  {
    echo
    printf '%-12s %8s  %s\n' phase seconds result
    local name seconds code
    while IFS=$'\t' read -r name seconds code; do
      printf '%-12s %8s  %s\n' "$name" "$seconds" "$([[ $code == 0 ]] && echo passed || echo "failed ($code)")"
    done <"$phases_file"
    printf '%-12s %8s\n' total "$(($(date +%s) - phases_started))"
  } >&2
  rm -f "$phases_file"
  return $status
}
