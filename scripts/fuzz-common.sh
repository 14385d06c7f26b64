# Sourced by run-fuzzers.sh and fuzz-campaign.sh: the target list, the build
# of the fuzz tree and the options every fuzzer run shares.
#   JOBS  build parallelism (default 2)

fuzz_build=build/fuzz
# Names from fuzz/targets.txt (one a line; see there).
mapfile -t fuzz_targets < <(grep -E '^[A-Za-z]' fuzz/targets.txt | awk '{print $1}')

# Leaner allocation bookkeeping roughly doubles the loaders' speed; a finding
# replayed by hand without ASAN_OPTIONS shows the full allocation stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:malloc_context_size=0:quarantine_size_mb=8}

# Leaks are left to the unit tests under ASan: libFuzzer's per-input leak
# probe re-runs large inputs under LeakSanitizer and would spend the time on
# that. A loader input that takes seconds is a finding too.
fuzz_options=(-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 -max_len=65536 -detect_leaks=0)

fuzz_build_all() {
  mkdir -p build
  echo "== build fuzz"
  if ! { cmake --preset fuzz >/dev/null && cmake --build "$fuzz_build" -j"${JOBS:-2}" --target fuzzers; } \
      >build/fuzz.build.log 2>&1; then
    tail -40 build/fuzz.build.log
    echo "fuzz: build failed"
    return 1
  fi
}

fuzz_binary() { echo "$fuzz_build/fuzz/$1_fuzzer"; }

fuzz_dict() {  # prints the -dict option of a target, if it has one
  [ -f "fuzz/$1.dict" ] && echo "-dict=fuzz/$1.dict"
  return 0
}

# Replays the committed findings of a target; they must all pass now.
fuzz_replay_regressions() {
  local target=$1 files
  files=(fuzz/regressions/"$target"/*)
  [ -e "${files[0]}" ] || return 0
  if ! "$(fuzz_binary "$target")" "${fuzz_options[@]}" "${files[@]}" >"$fuzz_build/$target.replay.log" 2>&1; then
    tail -40 "$fuzz_build/$target.replay.log"
    echo "fuzz: $target fails on a committed finding"
    return 1
  fi
  echo "replayed ${#files[@]} finding(s) of $target"
}
