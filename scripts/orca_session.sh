#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind user hears: the real Orca screen reader, started before the program as such a
# user starts it, drives the program from the keyboard only, and this prints what Orca spoke
# (the "SPEECH OUTPUT" lines of its debug log) as a transcript.
#
# The session: Tab to the keyboard, select C4 E4 G4 with Space, Determine Root, read the result
# labels and the readout with Orca's screen review, Clear, select C4 alone, Show Chords, Tab and
# arrow into the chart and play a picture, F10 then Right into the next menu, Escape twice back
# to the chart. A step whose
# expected speech does not come within its bound is reported, and the exit status is 1.
#
# Everything runs privately and is stopped on exit: an Xvfb display without key repeat, a D-Bus
# session of its own (dbus-run-session) with openbox, the accessibility bus, a PulseAudio server
# playing into a null sink, speech-dispatcher speaking through its dummy module, and Orca with a
# HOME of its own. Orca's launcher stops the other Orcas of the same user: never run this
# where someone uses Orca.
#
# Usage: scripts/orca_session.sh [build dir]        (default build/dev)
# ORCA_SESSION_DISPLAY picks the X display number (default 240); ORCA_SESSION_LOG keeps Orca's
# whole debug log at that path.
set -euo pipefail

build=${1:-build/dev}
program="$(realpath "$build")/app/tonalis"
script=$(realpath "$0")

if [ "${ORCA_SESSION_INSIDE:-}" != 1 ]; then
  [ -x "$program" ] || { echo "orca session: no program at $program" >&2; exit 1; }
  packages="orca speech-dispatcher espeak-ng openbox at-spi2-core xdotool dbus pulseaudio
            pulseaudio-utils xvfb"
  missing=""
  for package in $packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
  done
  if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    # shellcheck disable=SC2086
    $sudo apt-get install -y --no-install-recommends $missing >/dev/null ||
      { $sudo apt-get update >/dev/null && $sudo apt-get install -y --no-install-recommends $missing >/dev/null; }
  fi

  work=$(mktemp -d /tmp/tonalis-orca-session.XXXXXX)
  mkdir -m 700 "$work/run" "$work/home"
  xvfb_pid=""
  cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
  }
  trap cleanup EXIT
  trap 'exit 1' INT TERM HUP

  display=":${ORCA_SESSION_DISPLAY:-240}"
  # -r: no key auto-repeat, so a slow step never repeats Space.
  Xvfb "$display" -screen 0 1280x1024x24 -r -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
  done
  DISPLAY=$display xdotool getmouselocation >/dev/null 2>&1 ||
    { echo "orca session: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }

  status=0
  env -i PATH="$PATH" DISPLAY="$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
    XDG_DATA_HOME="$work/home/.local/share" LANG=C.UTF-8 ORCA_SESSION_INSIDE=1 \
    ORCA_SESSION_WORK="$work" ORCA_SESSION_LOG="${ORCA_SESSION_LOG:-}" \
    dbus-run-session -- "$script" "$build" || status=$?
  exit "$status"
fi

# Inside the private D-Bus session. Only what is started here is stopped, each by its own id.
work=$ORCA_SESSION_WORK
pids=()
cleanup_inside() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  done
}
trap cleanup_inside EXIT

fail() {
  echo "orca session: $*" >&2
  exit 1
}

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
disown
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
disown
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done

# The program's built-in synthesizer plays into a private null sink.
export PULSE_RUNTIME_PATH="$work/run/pulse"
export PULSE_SERVER="unix:$work/pulse.socket"
export PULSE_CLIENTCONFIG="$work/pulse-client.conf"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"
cat >"$work/pulse.pa" <<EOF
load-module module-null-sink sink_name=orca_session_null
load-module module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1
set-default-sink orca_session_null
EOF
pulseaudio -n -F "$work/pulse.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  --log-target=stderr --log-level=error >"$work/pulse.log" 2>&1 &
pids+=($!)
disown
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# speech-dispatcher speaks through its dummy module, which plays into the null sink too; Orca
# logs every text it hands over.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "pulse"
EOF
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
  --log-dir "$work" >"$work/speechd.log" 2>&1 &
pids+=($!)
disown
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] ||
  fail "speech-dispatcher did not start: $(tail -3 "$work/speech-dispatcher.log" 2>/dev/null)"

log=${ORCA_SESSION_LOG:-$work/orca-debug.log}
: >"$log"
# Orca writes its debug log through an 8 KiB buffer, so a spoken line could reach the file
# seconds late; started through this wrapper it opens the log line-buffered instead.
/usr/bin/python3 - "$log" >"$work/orca.log" 2>&1 <<'EOF' &
import builtins, runpy, sys
log = sys.argv[1]
plain_open = builtins.open
def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_buffered_open
sys.argv = ["/usr/bin/orca", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
EOF
pids+=($!)
disown

# Waits until a SPEECH OUTPUT line after line `from` of Orca's log matches `pattern`.
spoken_after() {
  local from=$1 pattern=$2 seconds=$3
  for _ in $(seq $((seconds * 10))); do
    # No grep -q: with pipefail, a reader that stops early fails the pipe.
    tail -n +"$((from + 1))" "$log" | grep -a 'SPEECH OUTPUT' | grep -aE -- "$pattern" >/dev/null &&
      return 0
    sleep 0.1
  done
  return 1
}
lines() { wc -l <"$log"; }

spoken_after 0 '.' 60 || fail "Orca spoke nothing: $(tail -5 "$work/orca.log")"

missed=0
# Sends `key` and waits for Orca to speak `pattern`; a miss is reported and the session goes on,
# so the transcript shows what was spoken instead.
step() {
  local key=$1 pattern=$2 from
  from=$(lines)
  xdotool key --clearmodifiers "$key"
  if ! spoken_after "$from" "$pattern" 20; then
    echo "orca session: after $key, Orca did not speak /$pattern/" >&2
    missed=$((missed + 1))
  fi
}
# Presses `key` until Orca speaks `pattern`, at most `times` times, waiting `seconds` (default
# 2) after each press.
step_until() {
  local key=$1 pattern=$2 times=$3 seconds=${4:-2} from
  for _ in $(seq "$times"); do
    from=$(lines)
    xdotool key --clearmodifiers "$key"
    spoken_after "$from" "$pattern" "$seconds" && return 0
  done
  echo "orca session: $key never reached /$pattern/" >&2
  missed=$((missed + 1))
}

started=$(lines)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
# The window is up once Orca speaks its title.
spoken_after "$started" 'Tonalis' 60 || fail "Orca never spoke the window: $(tail -5 "$work/program.log")"
sleep 1

# The keyboard: select C4 E4 G4; the readout speaks the chord once it is complete.
step_until Tab "'C4 check box" 8
step space "'checked"
for _ in 1 2 3 4; do step Right 'check box'; done
step space "'checked"
for _ in 1 2 3; do step Right 'check box'; done
step space "'checked"
spoken_after "$(lines)" 'C major' 20 || true
sleep 2

# Determine Root: back past the dial and the disabled Print.
step_until shift+Tab 'Determine Root' 4
step space 'C, C Major'
sleep 1
# Orca's screen review (the keypad keys, without Orca's own modifier): from the focused button
# up a line at a time to the "Chord Name" label, then down to the readout, read by its name in
# words.
step_until KP_Home "'C Major'" 8 1
step_until KP_Page_Up "'C major'" 40 1

# Clear, select C4 alone, Show Chords.
step_until shift+Tab "'Clear" 3
step space "'space"
step_until Tab 'check box' 6
step_until Left "'C4 check box" 8
step space "'checked"
step_until shift+Tab 'Show Chords' 6
step space 'Chords of C shown'

# Into the chart, along its first row and down, and a picture played with Enter.
step_until Tab 'C major: C E G' 8
step Right 'C diminished: '
step Down 'C augmented seventh: '
xdotool key --clearmodifiers Return
sleep 2

# The menus: F10 opens Devices, Right moves on to Input.
step F10 'Devices|MIDI Mapper'
step Right 'Input|None'
# Escape closes the menu, a second one gives the focus back to the chart picture.
step Escape 'Input'
step Escape 'push button'
sleep 2

echo "Orca's speech, in order, from the program's start:"
tail -n +"$((started + 1))" "$log" | grep -a 'SPEECH OUTPUT' |
  sed -e "s/^.*SPEECH OUTPUT: //" -e "s/{'established'.*$//"
[ "$missed" = 0 ] || { echo "orca session: $missed steps were not spoken as expected" >&2; exit 1; }
