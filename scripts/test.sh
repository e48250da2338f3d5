#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With CI=true it also checks the formatting of the
# tracked sources and builds twice: once with warnings as errors, once with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the tests of both (the second as in a desktop session, without the
# tests labelled slow); then it runs every fuzz program briefly and builds the package. Whether it passes or
# fails, it ends with a table of its phases and their times; each suite keeps its tests' times in
# <build folder>/test-times.txt, slowest first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# shellcheck source=scripts/phases.sh
source scripts/phases.sh
trap phases_table EXIT

phase packages scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Runs one build folder's tests, keeping each test's time beside them, TEST_JOBS at a time (2 unless
# said). Extra arguments go to ctest (a label to leave out, say).
run_tests() {
  local dir=$1; shift
  local status=0
  ctest --test-dir "$dir" --output-on-failure -j "${TEST_JOBS:-2}" --timeout 300 --output-junit "$(cd "$dir" && pwd)/test-results.xml" "$@" ||
    status=1
  scripts/test_times.py "$dir/test-results.xml" "$dir/test-times.txt" || true
  return $status
}

# The tests must pass wherever developers run them: in a bare container as above, and in a desktop
# session, which has a private runtime folder and its own home and XDG folders, and here a German locale:
# LANG for the programs the tests start with the caller's environment, and LC_NUMERIC, which the test
# programs keep (they set LANG themselves), so a number written or read through the C library's locale
# shows as a comma.
run_tests_as_on_a_desktop() {
  local desktop
  desktop=$(mktemp -d "${TMPDIR:-/tmp}/terrovane-desktop-XXXXXX")
  mkdir -m 0700 "$desktop/runtime"
  mkdir -p "$desktop/home/.config" "$desktop/home/.local/share" "$desktop/home/.cache"
  local result=0
  XDG_RUNTIME_DIR=$desktop/runtime HOME=$desktop/home XDG_CONFIG_HOME=$desktop/home/.config \
    XDG_DATA_HOME=$desktop/home/.local/share XDG_CACHE_HOME=$desktop/home/.cache \
    XDG_SESSION_TYPE=x11 LANG=de_DE.UTF-8 LC_NUMERIC=de_DE.UTF-8 run_tests "$@" || result=1
  rm -rf "$desktop"
  return $result
}

# Every tracked source as .clang-format has it (make format applies it).
check_format() {
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror ||
    { echo "test: sources not formatted; run make format" >&2; return 1; }
}

status=0
if [[ "${CI:-}" == "true" ]]; then
  phase format check_format || status=1
fi
# Line tables only: the reports' stacks keep file and line, and the builds cost less.
# In CI the package's contents are checked in the package phase, on the package that phase makes.
plain_filter=()
[[ "${CI:-}" == "true" ]] && plain_filter=(-LE package)
if phase build scripts/build.sh build -DTERROVANE_WERROR=ON -DTERROVANE_LINE_TABLES=ON -DTERROVANE_UNITY=ON; then
  # Three at a time on two cores: about a third of the plain tests' time is spent waiting (an instrument's
  # pace, a server's answer, a window's timer), and a third test fills it. The sanitizer build's tests
  # spend their time computing, two at a time.
  TEST_JOBS=3 phase tests run_tests build "${plain_filter[@]}" || status=1
else
  status=1
fi
if [[ "${CI:-}" == "true" ]]; then
  # The sanitizers look for memory faults and undefined behaviour, not numerics: the long statistical
  # tests (label slow) ran once above.
  if phase build-asan scripts/build.sh build-asan -DTERROVANE_WERROR=ON -DTERROVANE_SANITIZE=ON \
    -DTERROVANE_BENCH=OFF -DTERROVANE_LINE_TABLES=ON -DTERROVANE_UNITY=ON; then
    phase tests-asan run_tests_as_on_a_desktop build-asan -LE slow || status=1
  else
    status=1
  fi
  # A short run of every fuzz program over its seeds (clang build in build-fuzz).
  phase fuzz scripts/fuzz.sh || status=1
  # The Debian package from the first build, what it holds and what lintian says of it.
  phase package bash -c 'scripts/package.sh && tests/packaging/package_test.sh build - build/terrovane_*.deb' ||
    status=1
fi
exit $status
