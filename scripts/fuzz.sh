#!/usr/bin/env bash
# Runs the fuzz programs of a build configured with VELLORIA_FUZZ=ON (`make fuzz` makes one).
#
#   scripts/fuzz.sh BUILD [SECONDS] [TARGET...]
#
# Each target (all of BUILD/fuzz/*Fuzz without names: DxfReader, AccessSql, ...) runs for
# SECONDS (default 60) on its corpus, BUILD/fuzz/corpus/TARGET, which starts from the seeds
# made at build time (BUILD/fuzz/seeds/TARGET) and keeps every input that reached new code, so
# a later run goes on from there. An input that makes a target fail is written to
# BUILD/fuzz/crashes/TARGET/; it belongs in tests/fuzz/regressions/TARGET/ with its fix, where
# test_fuzz runs it in every build. FUZZ_JOBS targets run at once (default 1). Prints a line
# per target (inputs run, corpus size, failures) and fails when any target failed.
set -euo pipefail

build=${1:?usage: scripts/fuzz.sh BUILD [SECONDS] [TARGET...]}
seconds=${2:-60}
shift $(( $# < 2 ? $# : 2 ))
jobs=${FUZZ_JOBS:-1}
fuzz=$build/fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$fuzz"/*Fuzz; do
    [ -x "$program" ] && targets+=("$(basename "${program%Fuzz}")")
  done
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz programs in $fuzz: configure with -DVELLORIA_FUZZ=ON and build the target fuzz_programs" >&2
  exit 2
fi

# Memory errors and undefined behaviour end the run with the input that caused them. Leaks are
# not counted: the platform's singletons live until the process ends.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_one() {
  local target=$1 program=$fuzz/${1}Fuzz
  local corpus=$fuzz/corpus/$target crashes=$fuzz/crashes/$target log=$fuzz/logs/$target.log
  [ -x "$program" ] || { echo "$target: no program $program" >&2; return 2; }
  mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
  local status=0 started=$SECONDS
  "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 -print_final_stats=1 -detect_leaks=0 \
    -close_fd_mask=1 -artifact_prefix="$crashes/" "$corpus" "$fuzz/seeds/$target" >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  local found
  found=$(find "$crashes" -type f | wc -l)
  printf '%-16s %10s inputs in %ss, corpus %s, failing inputs kept %s%s\n' "$target" "${runs:-?}" "$((SECONDS - started))" \
    "$(find "$corpus" -type f | wc -l)" "$found" "$([ $status -ne 0 ] && echo " -- FAILED, see $log")"
  return $status
}
export -f run_one
export fuzz seconds

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {}
