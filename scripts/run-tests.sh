#!/usr/bin/env bash
# Everything `make test` does: set up, build every tree, run every test, and
# end with one summary line of passed and failed counts.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=${JOBS:-2}
passed=0
failed=0
broken=()
skipped=()

count() {  # adds the counts of a CTest log to the totals
  local line total bad
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)
  if [ -z "$line" ]; then broken+=("$2: no test summary"); failed=$((failed + 1)); return; fi
  bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || broken+=("$2: $bad failed")
}

build() {  # configure and build one preset
  echo "== build $1"
  if ! { cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j"$jobs"; } >"build/$1.build.log" 2>&1; then
    tail -40 "build/$1.build.log"
    broken+=("$1: build failed")
    failed=$((failed + 1))
    return 1
  fi
}

run_ctest() {  # <preset> [wrapper...]
  local preset=$1; shift
  local parallel=$jobs
  case $preset in win*) parallel=1 ;; esac
  echo "== test $preset"
  "$@" ctest --preset "$preset" --timeout 600 -j"$parallel" >"build/$preset.test.log" 2>&1
  grep -E '\*\*\*|tests passed' "build/$preset.test.log"
  # A Windows case that faulted or hung names itself; failed cases list theirs.
  grep -E '^(FAULT|HUNG): |^\[  FAILED  \] [^0-9]' "build/$preset.test.log" | head -20
  grep -q 'tests passed' "build/$preset.test.log" || tail -40 "build/$preset.test.log"
  count "build/$preset.test.log" "$preset"
}

scripts/setup-deps.sh || exit 1
mkdir -p build

build native && run_ctest native
build native-asan && run_ctest native-asan
# Windows tests share one prefix and wineserver, so they run one at a time,
# on one virtual display.
windows_built=0
build win64 && run_ctest win64 xvfb-run -a -s "-screen 0 1280x1024x24" && windows_built=$((windows_built + 1))
# Some kernels (and sandboxes) cannot start 32-bit programs at all: the x86
# tree is then built, but its tests cannot run here, and the summary says so.
if build win32; then
  windows_built=$((windows_built + 1))
  if (. scripts/wine-env.sh && wine32_runs); then
    run_ctest win32 xvfb-run -a -s "-screen 0 1280x1024x24"
  else
    echo "== test win32: not run, this machine cannot start 32-bit programs (the x86 tree was built)"
    skipped+=("win32 tests: this machine cannot start 32-bit programs")
  fi
fi

# The packages as users take them in (the zip in a fresh prefix, the NuGet
# package as NuGet and MSBuild read it): one test.
if [ "$windows_built" -eq 2 ]; then
  echo "== test package"
  if scripts/package.sh --no-build >build/package.test.log 2>&1 &&
     scripts/test-package.sh dist/brixeldemo-*.zip >>build/package.test.log 2>&1 &&
     scripts/test-nuget-package.sh dist/Korvane.Nimbara.BrixelDemo.*.nupkg >>build/package.test.log 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    broken+=("package: see build/package.test.log")
  fi
  grep -E '^(FAIL|SKIP) ' build/package.test.log
fi

# The loaders read documents nobody here wrote: each fuzzer counts as one test.
if JOBS=$jobs scripts/run-fuzzers.sh; then
  passed=$((passed + $(grep -cE "^[A-Za-z]" fuzz/targets.txt)))
else
  failed=$((failed + 1))
  broken+=("fuzzers: a finding or a failed build")
fi

echo
for b in "${broken[@]}"; do echo "broken: $b"; done
for s in "${skipped[@]}"; do echo "skipped: $s"; done
echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
