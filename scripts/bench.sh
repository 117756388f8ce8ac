#!/usr/bin/env bash
# Builds the benchmarks and their floors and runs them under Wine on a
# private virtual display, each benchmark beside its floor (a plain Win32
# program making the same windows) in alternating order, and prints one
# table: the program's median, the floor's, and their ratio.
#   scripts/bench.sh [preset] [rounds] [runs]
# (x86_64, 5 rounds, 201 runs of each step in a round by default)
# Every figure is the median over the rounds of each round's median; a
# ratio is taken within a round (program and floor run back to back) and
# its median printed. The whole output of every benchmark goes to
# build/<preset>/bench/bench.log.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-x86_64}
rounds=${2:-5}
runs=${3:-201}
. scripts/wine-select.sh
if ! verbs_can_run_preset "$preset"; then
  echo "The $preset build cannot run here: $(verbs_arch_reason)." >&2
  exit 2
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target verbs pictures test_run_bench bare_test_run_bench startup_bench \
  bare_window bare_frame picture_bench verbs_list_bench bare_verbs_list_bench history_bench >/dev/null
bin=$PWD/build/$preset/bin
dir=$PWD/build/$preset/bench
scripts/wine-env.sh start "$dir" >/dev/null
trap 'scripts/wine-env.sh stop "$dir" >/dev/null 2>&1 || true' EXIT
export VERBS_WINE_DIR=$dir
log=$dir/bench.log
: > "$log"

run() { # program [arguments]: its output, also kept in the log
  local name=$1; shift
  echo "== $name $*" >> "$log"
  scripts/wine-run.sh "$bin/$name.exe" "$@" | tee -a "$log" || echo "$name ended with a failure (see $log)" >&2
}
# The median printed on the line that begins with the given words.
median_of() { awk -v what="$1" 'index($0, what) == 1 { for (i = 1; i < NF; i++) if ($i == "median") { print $(i + 1); exit } }'; }
# The median of numbers, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f\n", a / b; else print "-" }'; }

echo "Machine load before: $(uptime)"
start_line="Start command to the first question on screen"
ready_line="Ready with its box closed at once to the next question"
declare -a start_p start_f start_r ready_p ready_f ready_r picture list_p list_f list_r
for ((r = 1; r <= rounds; r++)); do
  # Program first in odd rounds, the floor first in even ones.
  if ((r % 2)); then order="test_run_bench bare_test_run_bench"; else order="bare_test_run_bench test_run_bench"; fi
  for name in $order; do
    out=$(run "$name" "$runs")
    if [ "$name" = test_run_bench ]; then
      sp=$(median_of "$start_line" <<< "$out"); rp=$(median_of "$ready_line" <<< "$out")
    else
      sf=$(median_of "$start_line" <<< "$out"); rf=$(median_of "$ready_line" <<< "$out")
    fi
  done
  start_p+=("$sp"); start_f+=("$sf"); start_r+=("$(ratio "$sp" "$sf")")
  ready_p+=("$rp"); ready_f+=("$rf"); ready_r+=("$(ratio "$rp" "$rf")")
  picture+=("$(run picture_bench "$runs" | sed -n 's/.*picture loaded and decoded \([0-9.]*\) ms.*/\1/p')")
  if ((r % 2)); then order="verbs_list_bench bare_verbs_list_bench"; else order="bare_verbs_list_bench verbs_list_bench"; fi
  for name in $order; do
    out=$(run "$name" "$runs" | median_of "Switch to the All verbs tab")
    if [ "$name" = verbs_list_bench ]; then lp=$out; else lf=$out; fi
  done
  list_p+=("$lp"); list_f+=("$lf"); list_r+=("$(ratio "$lp" "$lf")")
  echo "round $r: Start $sp / $sf ms, Ready $rp / $rf ms, picture ${picture[-1]} ms, verbs list $lp / $lf ms"
done
startup=$(run startup_bench 10)
shown_p=$(sed -n 's/^median of .* main window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup")
shown_f=$(sed -n 's/^floor, median of .* window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup")
# Against a plain frame of the same parts: menu, toolbar, status bar, client.
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
startup_fr=$(run startup_bench 10 "$(winpath "$bin/verbs.exe")" "$(winpath "$bin/bare_frame.exe")")
shown_frp=$(sed -n 's/^median of .* main window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup_fr")
shown_frf=$(sed -n 's/^floor, median of .* window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup_fr")
# The same start-up with an answer history of 100,000 answers (nothing of it
# is read at start-up), then the history's own timings.
run history_bench --make-default 100000 >/dev/null
startup_h=$(run startup_bench 10)
run history_bench --remove-default >/dev/null || true
shown_hp=$(sed -n 's/^median of .* main window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup_h")
shown_hf=$(sed -n 's/^floor, median of .* window shown \([0-9.]*\) ms.*/\1/p' <<< "$startup_h")
history=$(run history_bench "$runs")
append_p=$(median_of "One answer added to the history" <<< "$history")
append_f=$(median_of "  floor: the same line" <<< "$history")
stats_p=$(median_of "Statistics opened and painted" <<< "$history")
stats_f=$(median_of "  floor: the same dialog" <<< "$history")
stats_cpu=$(median_of "Statistics opened, processor time" <<< "$history")
echo "Machine load after: $(uptime)"

m() { printf '%s\n' "$@" | median; }
echo
printf '%-62s | %9s | %9s | %5s | %s\n' "what (median, ms)" program floor ratio goal
printf '%-62s | %9s | %9s | %5s | %s\n' "Start command to the first question painted" \
  "$(m "${start_p[@]}")" "$(m "${start_f[@]}")" "$(m "${start_r[@]}")" "<= 1.3"
printf '%-62s | %9s | %9s | %5s | %s\n' "Ready with its box shown and closed, to the next question" \
  "$(m "${ready_p[@]}")" "$(m "${ready_f[@]}")" "$(m "${ready_r[@]}")" "<= 1.3"
printf '%-62s | %9s | %9s | %5s | %s\n' "Start-up to the first visible main window (ABBA, 10 pairs)" \
  "$shown_p" "$shown_f" "$(ratio "$shown_p" "$shown_f")" "<= 1.1"
printf '%-62s | %9s | %9s | %5s | %s\n' "  the same against a plain frame (menu, toolbar, status bar)" \
  "$shown_frp" "$shown_frf" "$(ratio "$shown_frp" "$shown_frf")" ""
printf '%-62s | %9s | %9s | %5s | %s\n' "Picture loaded and decoded" "$(m "${picture[@]}")" "" "" \
  "inside the Start figure"
printf '%-62s | %9s | %9s | %5s | %s\n' "Verbs list: switch to All verbs, fill and paint" \
  "$(m "${list_p[@]}")" "$(m "${list_f[@]}")" "$(m "${list_r[@]}")" "< 10 ms"
printf '%-62s | %9s | %9s | %5s | %s\n' "Start-up as above, with a history of 100,000 answers" \
  "$shown_hp" "$shown_hf" "$(ratio "$shown_hp" "$shown_hf")" "as without"
printf '%-62s | %9s | %9s | %5s | %s\n' "One answer added to a history of 100,000" \
  "$append_p" "$append_f" "$(ratio "$append_p" "$append_f")" "< 2 ms"
printf '%-62s | %9s | %9s | %5s | %s\n' "Statistics of 100,000 answers opened and painted (floor: empty)" \
  "$stats_p" "$stats_f" "$(ratio "$stats_p" "$stats_f")" "< 200 ms"
printf '%-62s | %9s | %9s | %5s | %s\n' "  the same, processor time of the thread" "$stats_cpu" "" "" "< 200 ms"
