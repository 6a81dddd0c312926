#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a desktop: a private X display (Xvfb), first with a private PulseAudio
# server playing into a null sink, then with a private JACK server on the dummy driver.
# Every server is started here under its own name and directory and stopped on exit, so the
# user's own display and sound servers are never touched.
#
# Prints medians over repeated runs: start-up (from the program's start-up trace), memory
# 3 s after the main window shows, CPU and context switches over an idle stretch, and the
# same again after played notes.
#
# Usage: scripts/desktop_bench.sh [build dir]     (default build/release)
# Fewer or more runs: DESKTOP_STARTUP_RUNS (default 15), DESKTOP_FIRST_RUNS (default 3, first
# starts: the user's cache empty, so the splash shows the picture made with the program),
# DESKTOP_RUNS (default 2, the runs that also measure memory and idle load),
# DESKTOP_IDLE_SECONDS (default 20),
# DESKTOP_NOTES (default 200), DESKTOP_SERVERS (default "pulseaudio jack none"; "none" runs
# without a sound server and takes only the splash's first paint).
set -euo pipefail

build=${1:-build/release}
program="$build/app/tonalis"
restart_probe="$build/bench/synth_restart_probe"
bare_window="$build/bench/bare_window_probe"
startup_runs=${DESKTOP_STARTUP_RUNS:-15}
first_runs=${DESKTOP_FIRST_RUNS:-3}
full_runs=${DESKTOP_RUNS:-2}
idle_seconds=${DESKTOP_IDLE_SECONDS:-20}
notes=${DESKTOP_NOTES:-200}
servers=${DESKTOP_SERVERS:-pulseaudio jack none}
ticks_per_second=$(getconf CLK_TCK)

for tool in Xvfb xdotool pulseaudio pactl jackd jack_wait jack_lsp; do
  command -v "$tool" >/dev/null || { echo "desktop bench: $tool is missing (make deps)" >&2; exit 1; }
done
[ -x "$program" ] || { echo "desktop bench: no program at $program" >&2; exit 1; }

work=$(mktemp -d /tmp/tonalis-desktop-bench.XXXXXX)
mkdir -m 700 "$work/run"
# Only what this script started is ever stopped, each by its own process id.
xvfb_pid=""
server_pid=""
program_pid=""

stop_process() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cleanup() {
  local pid
  for pid in "$program_pid" "$server_pid" "$xvfb_pid"; do [ -z "$pid" ] || stop_process "$pid"; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "desktop bench: $*" >&2
  exit 1
}

# Waits until `file` holds a line matching `pattern`, for up to `seconds`.
wait_for_line() {
  local file=$1 pattern=$2 seconds=$3
  for _ in $(seq $((seconds * 20))); do
    grep -q -- "$pattern" "$file" 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# --- the display -------------------------------------------------------------------------
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for_line "$work/display" '[0-9]' 10 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -1 "$work/display")"
export XDG_RUNTIME_DIR="$work/run"
# The program keeps a picture of its splash here between starts.
export XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# --- the sound servers -------------------------------------------------------------------
# Programs started after this reach only the private servers: PulseAudio at its own socket,
# JACK under its own name (or a name no server has, while PulseAudio is measured).
export PULSE_RUNTIME_PATH="$work/run/pulse"
export PULSE_STATE_PATH="$work/pulse-state"
export PULSE_SERVER="unix:$work/pulse.socket"
export JACK_DEFAULT_SERVER="tonalis-bench-none-$$"
export JACK_NO_AUDIO_RESERVATION=1
# No client may spawn a PulseAudio server of its own when the private one is not there.
export PULSE_CLIENTCONFIG="$work/pulse-client.conf"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"

start_pulseaudio() {
  cat >"$work/pulse.pa" <<EOF
load-module module-null-sink sink_name=bench_null
load-module module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1
load-module module-suspend-on-idle
set-default-sink bench_null
EOF
  HOME="$work" pulseaudio -n -F "$work/pulse.pa" --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no --log-target=stderr --log-level=error >"$work/pulse.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "PulseAudio did not start: $(cat "$work/pulse.log")"
}

start_jack() {
  export JACK_DEFAULT_SERVER="tonalis-bench-$$"
  export PULSE_SERVER="unix:$work/no-pulse.socket"
  # 128 frames at 48 kHz: 2.7 ms a period, as a musician would set it.
  jackd --no-realtime --name "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 128 \
    >"$work/jack.log" 2>&1 &
  server_pid=$!
  jack_wait -s "$JACK_DEFAULT_SERVER" -w -t 10 >/dev/null 2>&1 ||
    fail "JACK did not start: $(cat "$work/jack.log")"
}

# Neither server: names where none runs.
start_none() {
  export JACK_DEFAULT_SERVER="tonalis-bench-none-$$"
  export PULSE_SERVER="unix:$work/no-pulse.socket"
}

stop_server() {
  [ -n "$server_pid" ] || return 0
  stop_process "$server_pid"
  server_pid=""
}

# --- what is measured --------------------------------------------------------------------
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# "thread-id switches" for each thread of the process.
context_switches() {
  local task
  for task in /proc/"$1"/task/*; do
    awk -v t="${task##*/}" '/^(voluntary|nonvoluntary)_ctxt_switches:/ { n += $2 }
      END { print t, n + 0 }' "$task/status" 2>/dev/null || true
  done
}

# The switches between two readings: threads that ended meanwhile (the synthesizer's audio
# thread stops when it goes quiet) are left out instead of counting as negative.
switches_between() {
  awk 'NR == FNR { before[$1] = $2; next } { n += $2 - (($1 in before) ? before[$1] : 0) }
    END { print n + 0 }' <(echo "$1") <(echo "$2")
}

# "rss pss private anonymous sound-server-shared display-server-shared", in kB.
memory() {
  local rollup shared
  rollup=$(awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } /^Private_(Clean|Dirty):/ { q += $2 }
    /^Anonymous:/ { a = $2 } END { print r, p, q, a }' "/proc/$1/smaps_rollup")
  # JACK's and PulseAudio's shared buffers, mapped into every client, and the window
  # contents shared with the X server.
  shared=$(awk '/^[0-9a-f]+-[0-9a-f]+ / { shm = ($0 ~ /\/dev\/shm\/|memfd:pulseaudio|pulse-shm/)
      x = ($0 ~ /memfd:xorg|SYSV/) }
    /^Rss:/ && shm { s += $2 } /^Rss:/ && x { d += $2 } END { print s + 0, d + 0 }' "/proc/$1/smaps")
  echo "$rollup $shared"
}

# "program-cpu-% server-cpu-% program-switches-per-second" over `seconds`.
load_over() {
  local pid=$1 seconds=$2 cpu0 server0 switches0 cpu1 server1 switches1
  cpu0=$(cpu_ticks "$pid")
  server0=$(cpu_ticks "$server_pid")
  switches0=$(context_switches "$pid")
  sleep "$seconds"
  cpu1=$(cpu_ticks "$pid")
  server1=$(cpu_ticks "$server_pid")
  switches1=$(context_switches "$pid")
  awk -v c=$((cpu1 - cpu0)) -v s=$((server1 - server0)) \
    -v x="$(switches_between "$switches0" "$switches1")" \
    -v t="$ticks_per_second" -v d="$seconds" \
    'BEGIN { printf "%.2f %.2f %.0f\n", 100 * c / t / d, 100 * s / t / d, x / d }'
}

server_alone() {
  local seconds=$1 server0
  server0=$(cpu_ticks "$server_pid")
  sleep "$seconds"
  awk -v s=$(($(cpu_ticks "$server_pid") - server0)) -v t="$ticks_per_second" -v d="$seconds" \
    'BEGIN { printf "%.2f\n", 100 * s / t / d }'
}

# The play keys of the computer keyboard, the two octaves' worth, as xdotool names them.
play_keys=(z s x d c v g b h n j m comma l period semicolon slash)

play_notes() {
  local window keys=()
  window=$(xdotool search --onlyvisible --name '^Tonalis$' | head -1)
  [ -n "$window" ] || fail "the main window was not found on $DISPLAY"
  xdotool windowfocus "$window"
  for i in $(seq 0 $((notes - 1))); do keys+=("${play_keys[i % ${#play_keys[@]}]}"); done
  xdotool key --delay 40 "${keys[@]}"
}

# One start of the bare Qt window; appends its first paint to $results.
run_bare_window() {
  local server=$1 log="$work/bare.log"
  [ -x "$bare_window" ] || return 0
  TONALIS_STARTUP_TRACE=1 "$bare_window" 2>"$log" || true
  echo "$server bare $(awk '$1 == "tonalis-trace" && $3 == "painted" { print $2; exit }' "$log")" \
    >>"$results"
}

# One start of the program; appends to $results. With "full", also memory and idle load; with
# "first", a first start, with the user's cache empty.
# Without a sound server the built-in synthesizer cannot start and the load step's message
# box waits for the user, so there only the splash's first paint is taken.
run_program() {
  local server=$1 mode=$2 log="$work/program.log" pid trace kind=startup
  if [ "$mode" = first ]; then
    rm -rf "$XDG_CACHE_HOME"
    kind=first
  fi
  TONALIS_STARTUP_TRACE=1 "$program" 2>"$log" &
  pid=$!
  program_pid=$pid
  if [ "$server" = none ]; then
    wait_for_line "$log" 'painted tonalis::frmSplash' 20 ||
      fail "the splash did not appear (no sound server): $(tail -5 "$log")"
    echo "$server $kind $(awk '$1 == "tonalis-trace" && $4 == "tonalis::frmSplash" { print $2; exit }' "$log")" >>"$results"
    # Time to keep the splash's picture, which it does once it is on screen.
    sleep 0.5
    stop_process "$pid"
    program_pid=""
    return 0
  fi
  wait_for_line "$log" 'painted tonalis::frmMain' 20 ||
    fail "the main window did not appear ($server): $(tail -5 "$log")"
  trace=$(awk '$1 == "tonalis-trace" { t[$3 " " $4] = $2 }
    END { sp = t["painted tonalis::frmSplash"]; sh = t["hidden tonalis::frmSplash"]
          mp = t["painted tonalis::frmMain"]
          printf "%s %s %.1f %.1f\n", sp, mp, sh - sp, mp - sh }' "$log")
  echo "$server $kind $trace" >>"$results"

  if [ "$mode" = full ]; then
    sleep 3
    echo "$server memory $(memory "$pid")" >>"$results"
    echo "$server idle $(load_over "$pid" "$idle_seconds")" >>"$results"
    play_notes
    if [ "$server" = pulseaudio ]; then
      pactl list sink-inputs | awk '/Buffer Latency:/ { b = $3 } /Sink Latency:/ { s = $3 }
        END { if (b == "") print "none"; else printf "%.1f %.1f\n", b / 1000, s / 1000 }' |
        sed "s/^/$server latency /" >>"$results"
    fi
    sleep 5
    echo "$server memory-played $(memory "$pid")" >>"$results"
    echo "$server idle-played $(load_over "$pid" "$idle_seconds")" >>"$results"
  fi
  stop_process "$pid"
  program_pid=""
}

# Prints the median of column `column` of the result lines `server kind ...`.
figure() {
  awk -v s="$1" -v k="$2" -v c="$3" '$1 == s && $2 == k { print $(c + 2) }' "$results" | median
}

kib_to_mb() { awk -v k="$1" 'BEGIN { if (k == "n/a") print k; else printf "%.1f", k / 1024 }'; }

report() {
  local server=$1 baseline=$2 kind
  echo "desktop $server: start-up over $((startup_runs + runs)) runs (ms since process start)"
  echo "  splash painted         $(figure "$server" startup 1)" \
    "(a bare Qt window: $(figure "$server" bare 1);" \
    "over $first_runs first starts, with the user's cache empty: $(figure "$server" first 1))"
  [ "$server" != none ] || return 0
  echo "  main window painted    $(figure "$server" startup 2)"
  echo "  splash on screen       $(figure "$server" startup 3)"
  echo "  splash gone to main window painted $(figure "$server" startup 4)"
  for kind in memory memory-played; do
    echo "desktop $server: $kind over $runs runs (MiB)" |
      sed 's/memory-played/memory after the notes/'
    echo "  RSS $(kib_to_mb "$(figure "$server" "$kind" 1)")," \
      "PSS $(kib_to_mb "$(figure "$server" "$kind" 2)")," \
      "private $(kib_to_mb "$(figure "$server" "$kind" 3)")," \
      "anonymous $(kib_to_mb "$(figure "$server" "$kind" 4)")," \
      "of the RSS the sound server's shared memory $(kib_to_mb "$(figure "$server" "$kind" 5)")" \
      "and the X server's $(kib_to_mb "$(figure "$server" "$kind" 6)")"
  done
  for kind in idle idle-played; do
    echo "desktop $server: $kind, ${idle_seconds} s" | sed 's/idle-played/idle from 5 s after the notes/'
    echo "  program $(figure "$server" "$kind" 1) % of a core," \
      "server $(figure "$server" "$kind" 2) % (alone: $baseline %)," \
      "program context switches $(figure "$server" "$kind" 3) /s"
  done
  if [ "$server" = pulseaudio ]; then
    echo "  stream while playing: buffer latency $(figure "$server" latency 1) ms," \
      "sink latency $(figure "$server" latency 2) ms"
  fi
}

echo "Desktop: a private Xvfb display ($DISPLAY, started here), $(nproc) cores"
results="$work/results"
: >"$results"
for server in $servers; do
  case "$server" in
    pulseaudio) start_pulseaudio ;;
    jack) start_jack ;;
    none) start_none ;;
    *) fail "unknown server $server" ;;
  esac
  sleep 1
  baseline=$([ -z "$server_pid" ] || server_alone 5)
  for _ in $(seq "$first_runs"); do run_program "$server" first; done
  for _ in $(seq "$startup_runs"); do
    run_bare_window "$server"
    run_program "$server" startup
  done
  runs=$full_runs
  [ "$server" != none ] || runs=0
  for _ in $(seq "$runs"); do run_program "$server" full; done
  if [ -x "$restart_probe" ] && [ "$server" = pulseaudio ]; then
    "$restart_probe" 2>/dev/null | sed "s/^/desktop $server: /"
  fi
  report "$server" "$baseline"
  stop_server
done
