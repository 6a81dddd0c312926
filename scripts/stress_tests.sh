#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests that use a JACK server N times (default 10) beside two busy loops, as on a
# machine busy with other builds, and prints how many rounds passed and what failed:
#   scripts/stress_tests.sh N [BUILD_DIR]
# BUILD_DIR is a configured and built tree (default build/dev). Exits non-zero when any round
# failed; the log of each failed round is kept in BUILD_DIR/stress.
set -uo pipefail
rounds=${1:-10}
build=${2:-build/dev}
# Every test that starts a private JACK server: the MIDI output's and input's tests through
# JACK, the window's, the faults' and the signals'.
group=${STRESS_GROUP:-'ThroughJack|jack|fault_midi_server|fault_server_restarts|quit_on_signals'}
logs="$build/stress"
mkdir -p "$logs"

busy=()
stop_busy() { [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null; }
trap stop_busy EXIT
for _ in 1 2; do
  (while :; do :; done) &
  busy+=($!)
done

tests=$(ctest --test-dir "$build" -N -R "$group" | sed -n 's/^Total Tests: //p')
echo "Stress: $rounds rounds of $tests tests matching '$group' beside 2 busy loops," \
  "on $(nproc) cores"
passed=0
failed=0
crashed=0
timed_out=0
for round in $(seq 1 "$rounds"); do
  log="$logs/round-$round.log"
  if ctest --test-dir "$build" -R "$group" --output-on-failure --timeout 300 >"$log" 2>&1; then
    passed=$((passed + 1))
    rm -f "$log"
    echo "round $round: passed"
  else
    failed=$((failed + 1))
    crashes=$(grep -cE '\*\*\*(Exception|Failed).*(SEGFAULT|Child aborted|BUS)|Subprocess aborted|SEGFAULT|AddressSanitizer' "$log")
    timeouts=$(grep -c '\*\*\*Timeout' "$log")
    crashed=$((crashed + crashes))
    timed_out=$((timed_out + timeouts))
    echo "round $round: FAILED ($crashes crash lines, $timeouts timeouts): $log"
    grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*' "$log" | sed 's/^/    /'
  fi
done
echo "passed $passed of $rounds rounds; failed $failed; crash lines $crashed; timeouts $timed_out"
[ "$failed" -eq 0 ]
