#!/usr/bin/env bash
# `make fuzz`: a campaign of every target of fuzz/targets.txt, one after the
# other, each from its committed corpus for a fixed time. Writes the table of
# results to fuzz/results.txt (and prints it). A finding does not end a
# target's campaign: its input is copied to fuzz/regressions/<target>/, which
# `make test` replays, and the target runs on for the rest of its time.
#   FUZZ_SECONDS        seconds per target (default 600)
#   FUZZ_RESULTS        where the table goes (default fuzz/results.txt)
#   FUZZ_NOTE           a line of notes for the table's head (the machine, ...)
#   FUZZ_UPDATE_CORPUS  1: merge what the campaign found into the committed
#                       corpus, minimised (libFuzzer's -merge)
#   JOBS                build parallelism (default 2)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/fuzz-common.sh
seconds=${FUZZ_SECONDS:-600}
results=${FUZZ_RESULTS:-fuzz/results.txt}

fuzz_build_all || exit 1
started=$(date -u '+%Y-%m-%d %H:%M UTC')

# Figures of libFuzzer's last status line ("#N DONE cov: C ft: F corp: K/Sb").
last_status() { grep -E '^#[0-9]+' "$1" | tail -1; }

rows=()
for target in "${fuzz_targets[@]}"; do
  binary=$(fuzz_binary "$target")
  work=$fuzz_build/campaign/$target
  artifacts=$fuzz_build/campaign-artifacts/$target/
  rm -rf "$work" "$artifacts"
  mkdir -p "$work" "$artifacts"
  echo "== campaign $target (${seconds}s)"
  start=$(date +%s)
  units=0
  findings=0
  cov=0
  corpus="0/0b"
  cpu=0
  run=0
  while :; do
    left=$((start + seconds - $(date +%s)))
    [ "$left" -gt 0 ] || break
    run=$((run + 1))
    log=$fuzz_build/$target.campaign.$run.log
    /usr/bin/time -f '%U %S' -o "$log.cpu" \
      "$binary" "$work" "fuzz/corpus/$target" $(fuzz_dict "$target") "${fuzz_options[@]}" \
      -max_total_time="$left" -print_final_stats=1 -artifact_prefix="$artifacts" >"$log" 2>&1
    rc=$?
    cpu=$(awk -v sum="$cpu" 'END { print sum + $1 + $2 }' "$log.cpu")
    n=$(sed -nE 's/^stat::number_of_executed_units: *//p' "$log")
    [ -n "$n" ] || n=$(last_status "$log" | sed -nE 's/^#([0-9]+).*/\1/p')
    units=$((units + ${n:-0}))
    status_line=$(last_status "$log")
    c=$(echo "$status_line" | sed -nE 's/.* cov: ([0-9]+).*/\1/p')
    [ -n "$c" ] && [ "$c" -gt "$cov" ] && cov=$c
    k=$(echo "$status_line" | sed -nE 's/.* corp: ([0-9]+\/[0-9]+[a-zA-Z]*).*/\1/p')
    [ -n "$k" ] && corpus=$k
    [ "$rc" -eq 0 ] && break
    # A finding: keep its input as a regression and go on. The same input
    # again (a committed seed that fails) would only repeat itself: stop.
    new=0
    for f in "$artifacts"*; do
      [ -f "$f" ] || continue
      kept=fuzz/regressions/$target/$(basename "$f")
      if [ -e "$kept" ]; then rm -f "$f"; continue; fi
      mkdir -p "fuzz/regressions/$target"
      mv "$f" "$kept"
      echo "finding: $kept (log $log)"
      new=$((new + 1))
    done
    findings=$((findings + new))
    if [ "$new" -eq 0 ]; then
      tail -30 "$log"
      echo "fuzz: $target stopped on a finding it had already kept, or without an input to keep"
      [ "$findings" -gt 0 ] || findings=1
      break
    fi
  done
  elapsed=$(($(date +%s) - start))
  [ "$elapsed" -gt 0 ] || elapsed=1
  if [ "${FUZZ_UPDATE_CORPUS:-0}" = 1 ]; then
    merged=$fuzz_build/merged/$target
    rm -rf "$merged"
    mkdir -p "$merged"
    "$binary" -merge=1 "$merged" "fuzz/corpus/$target" "$work" "${fuzz_options[@]}" \
      >"$fuzz_build/$target.merge.log" 2>&1 && rm -rf "fuzz/corpus/$target" && mv "$merged" "fuzz/corpus/$target"
  fi
  per_cpu=$(awk -v n="$units" -v t="$cpu" 'BEGIN { printf "%d", (t > 0 ? n / t : 0) }')
  rows+=("$(printf '%-16s %7s %12s %9s %12s %9s %14s %9s' "$target" "${elapsed}s" "$units" \
    "$((units / elapsed))" "$per_cpu" "$cov" "$corpus" "$findings")")
done

{
  echo "Fuzz campaign of $started: ${seconds} s per target (the default is 600 s;"
  echo "FUZZ_SECONDS sets it), from the committed corpora, ASAN_OPTIONS=$ASAN_OPTIONS."
  [ -n "${FUZZ_NOTE:-}" ] && echo "$FUZZ_NOTE"
  echo "inputs/s is wall-clock: on a shared machine it counts the share of the CPU the fuzzer got;"
  echo "inputs/cpu-s divides by the CPU time the fuzzer used (start-up included)."
  echo "coverage: libFuzzer's covered edges; corpus: inputs/bytes at the end (committed and new)."
  echo
  printf '%-16s %7s %12s %9s %12s %9s %14s %9s\n' target time inputs inputs/s inputs/cpu-s coverage corpus \
    findings
  printf '%s\n' "${rows[@]}"
} >"$results"
cat "$results"
