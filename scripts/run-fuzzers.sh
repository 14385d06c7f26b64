#!/usr/bin/env bash
# What `make test` runs of the fuzzers: builds them with clang (ASan and UBSan)
# in build/fuzz, replays every committed finding (fuzz/regressions/) and runs
# each target of fuzz/targets.txt briefly from its committed corpus. Exits
# non-zero on any finding (a crash, a sanitizer report, a timeout, a memory
# blow-up or a failed check of the harness) or when the build fails.
# scripts/fuzz-campaign.sh (`make fuzz`) runs the long campaigns.
#   FUZZ_TOTAL_SECONDS  time shared by all targets (default 48, so that with
#                       the slowest last inputs the whole stays under a minute)
#   JOBS                build parallelism (default 2)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/fuzz-common.sh
total=${FUZZ_TOTAL_SECONDS:-48}
seconds=$((total / ${#fuzz_targets[@]}))
[ "$seconds" -ge 1 ] || seconds=1

fuzz_build_all || exit 1

status=0
for target in "${fuzz_targets[@]}"; do
  fuzz_replay_regressions "$target" || { status=1; continue; }
  # New inputs go to a scratch folder, emptied first so that every run starts
  # from the committed corpus and its start-up time stays bounded.
  work=$fuzz_build/work/$target
  artifacts=$fuzz_build/artifacts/$target/
  rm -rf "$work"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz $target (${seconds}s)"
  log=$fuzz_build/$target.log
  if ! "$(fuzz_binary "$target")" "$work" "fuzz/corpus/$target" $(fuzz_dict "$target") "${fuzz_options[@]}" \
      -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts" >"$log" 2>&1; then
    tail -60 "$log"
    echo "fuzz: $target found a problem (inputs in $artifacts)"
    status=1
  else
    units=$(sed -nE 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: $units inputs, $((units / seconds))/s"
  fi
done
[ "$status" -eq 0 ] && echo "fuzz: no findings"
exit "$status"
