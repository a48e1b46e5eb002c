#!/usr/bin/env bash
# Builds every fuzz target of tests/fuzz with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for SECONDS (default 60), one after the other.
#
#   tools/fuzz/run.sh [SECONDS] [NAME...]
#
# Environment:
#   VESRIN_FUZZ_BUILD   build folder (default build/fuzz-clang)
#   VESRIN_FUZZ_JOBS    targets run at the same time (default 1)
#   VESRIN_FUZZ_FLAGS   extra libFuzzer flags, e.g. "-use_value_profile=1"
#
# Each target grows its own working corpus in <build>/fuzz/corpus/<Name> from the seeds
# in tests/fuzz/corpus/<Name>; a crashing input lands in <build>/fuzz/artifacts/ and the
# whole output in <build>/fuzz/logs/<Name>.log. The last lines give each target's
# executions, speed and coverage. Gives 1 when a target found a fault, 77 when clang or
# its libFuzzer runtime is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
build=${VESRIN_FUZZ_BUILD:-$root/build/fuzz-clang}
jobs=${VESRIN_FUZZ_JOBS:-1}

cxx=${VESRIN_FUZZ_CXX:-clang++}
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! command -v "$cxx" >/dev/null || ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  echo "fuzz: $cxx with libFuzzer is not available (Debian: clang libclang-rt-14-dev); skipped" >&2
  exit 77
fi

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVESRIN_FUZZ=ON -DVESRIN_WERROR=OFF -DVESRIN_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$sanitize -fsanitize=fuzzer-no-link" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >"$build.configure.log" 2>&1 ||
  { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" --target vesrin_fuzzers --parallel "${VESRIN_FUZZ_BUILD_JOBS:-2}" >"$build.build.log" 2>&1 ||
  { tail -n 60 "$build.build.log" >&2; exit 1; }

out=$build/fuzz
mkdir -p "$out/logs" "$out/artifacts" "$out/corpus"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run_one() {
  local name=$1 seeds=$2
  local work=$out/corpus/$name
  mkdir -p "$work"
  # shellcheck disable=SC2086
  "$out/${name}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$out/artifacts/$name-" ${VESRIN_FUZZ_FLAGS:-} "$work" "$seeds" \
    >"$out/logs/$name.log" 2>&1
}

names=()
declare -A seeds
while IFS='=' read -r name corpus; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  names+=("$name")
  seeds[$name]=$corpus
done <"$out/targets.txt"
[ ${#names[@]} -gt 0 ] || { echo "fuzz: no target to run" >&2; exit 1; }

declare -A status
pending=()
for name in "${names[@]}"; do
  run_one "$name" "${seeds[$name]}" &
  pending+=("$!:$name")
  if [ ${#pending[@]} -ge "$jobs" ]; then
    entry=${pending[0]}; pending=("${pending[@]:1}")
    if wait "${entry%%:*}"; then status[${entry#*:}]=ok; else status[${entry#*:}]=FAILED; fi
  fi
done
for entry in "${pending[@]}"; do
  if wait "${entry%%:*}"; then status[${entry#*:}]=ok; else status[${entry#*:}]=FAILED; fi
done

failed=0
printf '%-16s %-7s %12s %9s %7s %7s %7s\n' target result executions exec/s cov ft corpus
for name in "${names[@]}"; do
  log=$out/logs/$name.log
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  printf '%-16s %-7s %12s %9s %7s %7s %7s\n' "$name" "${status[$name]}" "${execs:-?}" "${rate:-?}" \
    "${cov:-?}" "${ft:-?}" "${corp:-?}"
  if [ "${status[$name]}" != ok ]; then
    failed=1
    echo "---- $name: $log" >&2
    grep -E -A 30 'ERROR|runtime error|fuzz check failed|deadly signal' "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
  fi
done
exit $failed
