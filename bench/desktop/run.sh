#!/usr/bin/env bash
# The desktop program at rest and at start, each figure the median of RUNS runs (default
# 5) under a private X server, each run on a fresh program folder as a new user has it:
#   - the time from the process start to the first painted start picture (the real
#     vesrin program, launched with VESRIN_START_TRACE), and where the start-up goes;
#   - the CPU of the idle main menu and of the idle table waiting for the player over
#     10 s, in clock ticks (100 a second: 100 ticks = one core), and the menu's ticks;
#   - the resident memory on the menu and after each of GAMES whole games in one run.
#   bench/desktop/run.sh [RUNS] [GAMES]
# Needs the build (vesrin, vesrin-desktop-bench, vesrin-records-install); VESRIN_BENCH_BUILD
# names another build folder (e.g. a copy kept from before a change). The machine may be
# shared: look at the medians and the spread, not at one run.
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
games=${2:-10}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$PWD/build/xdg-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
build=$(realpath "${VESRIN_BENCH_BUILD:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{v[NR]=$1} END {if (NR==0) print "-"; else if (NR%2) print v[(NR+1)/2]; else printf "%.1f\n", (v[NR/2]+v[NR/2+1])/2}'; }

inner="$work/inner.sh"
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
# Runs inside the X server: one start-up of the real program, then the bench modes.
set -u
work=$1 runs=$2 games=$3 build=$4
for i in $(seq "$runs"); do
  folder="$work/start$i"; mkdir -p "$folder"
  "$build/bin/vesrin-records-install" "$folder" >/dev/null
  VESRIN_PROGRAM_FOLDER="$folder" VESRIN_START_TRACE=$(date +%s%N) "$build/bin/vesrin" 2>"$work/trace$i" &
  pid=$!
  for _ in $(seq 200); do
    grep -q "start-up done" "$work/trace$i" 2>/dev/null && break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
done
for i in $(seq "$runs"); do
  "$build/bench/vesrin-desktop-bench" --folder "$work/menu$i" --measure menu >"$work/menu$i.out" 2>/dev/null
  "$build/bench/vesrin-desktop-bench" --folder "$work/table$i" --measure table >"$work/table$i.out" 2>/dev/null
done
"$build/bench/vesrin-desktop-bench" --folder "$work/games" --measure games --games "$games" >"$work/games.out" 2>/dev/null
INNER
chmod +x "$inner"
xvfb-run -a -s "-screen 0 1920x1080x24" "$inner" "$work" "$runs" "$games" "$build"

echo "== start-up (ms from the process start, median of $runs) =="
for moment in main application resources window "first paint" start-up settings "start picture composed" \
              "start picture painted" "records checked" background "start-up done"; do
  value=$(grep -h "^start-trace $moment [0-9.]*$" "$work"/trace* | awk '{print $NF}' | median)
  all=$(grep -h "^start-trace $moment [0-9.]*$" "$work"/trace* | awk '{printf "%s ", $NF}')
  printf "%-24s %8s   (%s)\n" "$moment" "$value" "$all"
done
echo "== at rest (median of $runs; CPU in clock ticks over 10 s, 100 ticks = one core) =="
for name in menu_cpu_ticks menu_user_ticks menu_cpu_percent menu_ticks menu_animation_frames menu_rss_kb \
            table_pass_cpu_ticks table_cpu_ticks table_user_ticks table_cpu_percent table_rss_kb; do
  file=menu; [[ $name == table* ]] && file=table
  value=$(cat "$work"/$file*.out | awk -v n="$name" '$1==n {print $2}' | median)
  all=$(cat "$work"/$file*.out | awk -v n="$name" '$1==n {printf "%s ", $2}')
  printf "%-24s %8s   (%s)\n" "$name" "$value" "$all"
done
echo "== memory over $games games in one run (resident kB) =="
grep -h "menu_rss_kb" "$work/games.out" || true
grep -h "game_rss_kb" "$work/games.out" || echo "no game finished"
