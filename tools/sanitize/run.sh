#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer in its own
# build folder and runs every test there.
#
#   tools/sanitize/run.sh [CTEST ARGS...]     e.g. tools/sanitize/run.sh -R records
#
# Environment: VESRIN_SANITIZE_BUILD (default build/sanitize), VESRIN_SANITIZE_JOBS
# (default: the number of cores). A full build from scratch takes a while: nothing is
# shared with the ordinary build. Leaks inside system libraries the program does not
# own (fontconfig, GLib, PulseAudio, ...) are suppressed by tools/sanitize/lsan.supp;
# our own code gets no suppression.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VESRIN_SANITIZE_BUILD:-$root/build/sanitize}
jobs=${VESRIN_SANITIZE_JOBS:-$(nproc)}

export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# Warnings are the ordinary build's business: the sanitizers make GCC warn differently.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESRIN_WERROR=OFF \
  -DVESRIN_BUILD_BENCHMARKS=OFF -DVESRIN_FUZZ_SHORT_PASS=OFF \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
  >/dev/null
# The generators that run during the build are sanitized too, but their leaks at exit
# do not stop the build.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" --parallel "$jobs"

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tools/sanitize/lsan.supp:print_suppressions=0"
cd "$build"
runner=()
command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1920x1080x24")
exec "${runner[@]}" ctest --output-on-failure --parallel "$jobs" --timeout 1800 "$@"
