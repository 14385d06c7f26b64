#!/usr/bin/env bash
# Builds the fuzzers (the two loaders, the stored-sound check, the hyperlink
# address rules) with clang (ASan and UBSan) in build/fuzz and runs
# each for a bounded time from the checked-in seed corpus. Exits non-zero on
# any finding (a crash, a sanitizer report, a timeout, a memory blow-up or a
# failed round trip) or when the build fails. Leaks are left to the unit
# tests under ASan: libFuzzer's per-input leak probe re-runs large inputs under
# LeakSanitizer and would spend the time budget on that.
#   FUZZ_SECONDS  seconds per harness (default 22)
#   JOBS          build parallelism (default 2)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${FUZZ_SECONDS:-22}
jobs=${JOBS:-2}
build=build/fuzz
harnesses=(stream_loader_fuzzer bag_loader_fuzzer wave_check_fuzzer hyperlink_fuzzer)
corpora=(stream bag wave hyperlink)

mkdir -p build
echo "== build fuzz"
if ! { cmake --preset fuzz >/dev/null && cmake --build "$build" -j"$jobs" --target "${harnesses[@]}"; } \
    >build/fuzz.build.log 2>&1; then
  tail -40 build/fuzz.build.log
  echo "fuzz: build failed"
  exit 1
fi

status=0
for i in "${!harnesses[@]}"; do
  harness=${harnesses[$i]}
  seeds=fuzz/corpus/${corpora[$i]}
  # New inputs go to a scratch folder, emptied first so that every run starts
  # from the checked-in seeds and its start-up time stays bounded.
  work=$build/work/${corpora[$i]}
  artifacts=$build/artifacts/${corpora[$i]}/
  rm -rf "$work"
  mkdir -p "$work" "$artifacts"
  dict=()
  [ -f "fuzz/${corpora[$i]}.dict" ] && dict=(-dict="fuzz/${corpora[$i]}.dict")
  echo "== fuzz $harness (${seconds}s)"
  if ! "$build/fuzz/$harness" "$work" "$seeds" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 -detect_leaks=0 -print_final_stats=1 \
      -artifact_prefix="$artifacts" >"$build/$harness.log" 2>&1; then
    tail -60 "$build/$harness.log"
    echo "fuzz: $harness found a problem (inputs in $artifacts)"
    status=1
  else
    grep -E '^stat::number_of_executed_units' "$build/$harness.log" || true
  fi
done
[ "$status" -eq 0 ] && echo "fuzz: no findings"
exit "$status"
