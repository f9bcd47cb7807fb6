#!/usr/bin/env bash
# The sandbox's window under a virtual X server (Xvfb), driven through XTest
# by xdotool, as remote-desktop tools drive a window:
# - key taps much shorter than a frame reach the console: every typed line
#   runs;
# - hover follows a pointer moved through XTest: a button's tooltip shows;
# - Ctrl+= and Ctrl+- step the scale through quarters;
# - Ctrl+Z, Ctrl+Y, Ctrl+A and Ctrl+C tapped at machine speed, Ctrl let go
#   before the key, each do their work.
# Nothing waits a set time for something to happen: each step waits until
# the sandbox's output says it happened, up to a generous limit for a loaded
# machine.
#
#   window_input_test.sh VESK_SANDBOX
set -euo pipefail
sandbox=$1

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool is missing (scripts/bootstrap installs it)"
    exit 1
  fi
done

# The window is an X11 one on the virtual server, whatever the caller uses.
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
# In the sanitized suite: a real window brings the system's GL driver and
# D-Bus, which keep allocations until the process ends (and unload before
# they can be named), so leaks are left to the headless runs to check.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi

work=$(mktemp -d)
# An install root of its own: no unsaved work of another run is offered here,
# and none of this run's is left for another.
export VESK_SANDBOX_ROOT=$work/root
xvfb_pid=
sandbox_pid=
cleanup() {
  [ -n "$sandbox_pid" ] && kill "$sandbox_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

out=$work/out.txt
fail() {
  echo "FAIL: $*"
  echo "--- the sandbox's output (end) ---"
  tail -n 40 "$out" 2>/dev/null || true
  exit 1
}

# Waits until the command succeeds, checking ten times a second, for up to
# two minutes.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 1200); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  fail "gave up waiting for $what"
}

count() { grep -cF -- "$1" "$out" || true; }
has_count() { [ "$(count "$1")" -ge "$2" ]; }

# Xvfb picks a free display and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for "Xvfb to start" grep -q . "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"

# The editor open with nothing selected: its "Edit" row shows "Copy changed",
# whose tooltip says "Nothing changed this session". The setup ends with
# where the console's and the editor's widgets stand.
cat >"$work/setup.txt" <<'EOF'
timecycleeditor true
frame 3
ui_window Console
ui_items
ui_window "Timecycle Editor"
ui_items
ui_windows
EOF
"$sandbox" --size 1200x800 --script "$work/setup.txt" mosk >"$out" 2>&1 &
sandbox_pid=$!
wait_for "the sandbox's window" grep -q '^\[sandbox\] display ' "$out"
window=$(timeout 120 xdotool search --sync --name '^vesk-sandbox')
[ -n "$window" ] || fail "no window named vesk-sandbox"
timeout 120 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"

# Where a widget that ui_items listed stands: "X Y" of its top left corner.
widget_at() {
  sed -n "s/^\[sandbox\] \"$1\" at (\([0-9]*\), \([0-9]*\)).*/\1 \2/p" "$out" | head -n1
}

# A click into the console's input line, through XTest like the keys.
read -r x y < <(widget_at '##console_input')
[ -n "${x:-}" ] || fail "ui_items did not list the console's input line"
xdotool mousemove --window "$window" $((x + 20)) $((y + 5)) click 1

# Quick taps: five lines, each ended by a Return tapped at once.
before=$(count '[sandbox] primary:')
for _ in 1 2 3 4 5; do
  xdotool type --delay 1 "tc_state"
  xdotool key --delay 0 Return
done
wait_for "five tc_state lines to run" has_count '[sandbox] primary:' $((before + 5))
if grep -q 'tc_statetc_state' "$out"; then fail "a Return was lost: two lines ran as one"; fi

# Hover: the pointer moved through XTest onto "Copy changed" shows its tooltip
# in the next frames; ui_texts then lists the editor's texts.
read -r x y < <(widget_at 'Copy changed')
[ -n "${x:-}" ] || fail "ui_items did not list \"Copy changed\""
xdotool mousemove --window "$window" $((x + 6)) $((y + 6))
xdotool type --delay 1 "ui_texts"
xdotool key --delay 0 Return
wait_for "ui_texts to run" grep -qF '[sandbox] Controls [ Create ]' "$out"
grep -qF 'Nothing changed this session' "$out" ||
  fail "no tooltip: hover did not follow the pointer to \"Copy changed\" at ($x, $y)"

# Scale: up twice, down three times, from 1.
xdotool key --delay 0 ctrl+equal
xdotool key --delay 0 ctrl+equal
xdotool type --delay 1 "ui_windows"
xdotool key --delay 0 Return
wait_for "ui_windows at scale 1.5" grep -qE '^\[sandbox\] display .*, scale 1.5$' "$out"
for _ in 1 2 3; do xdotool key --delay 0 ctrl+minus; done
xdotool type --delay 1 "ui_windows"
xdotool key --delay 0 Return
wait_for "ui_windows at scale 0.75" grep -qE '^\[sandbox\] display .*, scale 0.75$' "$out"

# The test's time limit stands if it never quits.
xdotool type --delay 1 "quit"
xdotool key --delay 0 Return
status=0
wait "$sandbox_pid" || status=$?
sandbox_pid=
[ "$status" -eq 0 ] || fail "the sandbox ended with status $status"

# Chords at machine speed in a second run, whose script makes an edit first
# (and lets the window settle at its size before listing where things are):
# Ctrl down, key down, Ctrl up, key up, with nothing between them.
quick_chord() {
  xdotool keydown --delay 0 ctrl keydown --delay 0 "$1" keyup --delay 0 ctrl keyup --delay 0 "$1"
}
out=$work/chords.txt
cat >"$work/chords-setup.txt" <<'EOF'
timecycleeditor true
frame 3
ui_click w_clear_light
ui_enter ##{hash:w_clear_light}-{var:light_street_mult}-1 7.5
tc_show w_clear_light
frame 3
ui_window Console
ui_items
ui_windows
EOF
"$sandbox" --size 1200x800 --script "$work/chords-setup.txt" mosk >"$out" 2>&1 &
sandbox_pid=$!
wait_for "the second run's window" grep -q '^\[sandbox\] display ' "$out"
window=$(timeout 120 xdotool search --sync --name '^vesk-sandbox' | head -n1)
[ -n "$window" ] || fail "no window named vesk-sandbox in the second run"
timeout 120 xdotool windowfocus --sync "$window" || fail "the second window did not take the keyboard focus"
read -r ex ey < <(widget_at 'Timecycle Editor')
[ -n "${ex:-}" ] || fail "ui_windows did not list the editor"
read -r cx cy < <(widget_at '##console_input')
[ -n "${cx:-}" ] || fail "ui_items did not list the console's input line"
console_line() {
  xdotool mousemove --window "$window" $((cx + 20)) $((cy + 5)) click 1
  xdotool type --delay 1 "$1"
  xdotool key --delay 0 Return
}
# At least $2 lines of tc_show gave light_street_mult the values $1.
street_mult_shown() { [ "$(grep -cE "^\[sandbox\] +[0-9]+ light_street_mult +$1\$" "$out" || true)" -ge "$2" ]; }
street_mult_shown '7.5 0.2' 1 || fail "the setup's edit did not happen"
# The editor focused by a click on its title bar, the chord, then the value.
# The console takes the keyboard back two frames after a line ran, which
# nothing prints: the click waits a moment so that it comes after that.
chord_in_editor() {
  sleep 0.5
  xdotool mousemove --window "$window" $((ex + 80)) $((ey + 8)) click 1
  quick_chord "$1"
  console_line 'tc_show w_clear_light'
}
chord_in_editor z
wait_for "Ctrl+Z tapped at once to undo the edit" street_mult_shown '0.2 0.2' 1
chord_in_editor y
wait_for "Ctrl+Y tapped at once to redo the edit" street_mult_shown '7.5 0.2' 2

# Ctrl+A and Ctrl+C in the console's input line: the line selected and
# copied, then replaced by what is typed next.
xdotool mousemove --window "$window" $((cx + 20)) $((cy + 5)) click 1
xdotool type --delay 1 "chord-copy-check"
quick_chord a
quick_chord c
xdotool type --delay 1 "clipboard"
xdotool key --delay 0 Return
wait_for "Ctrl+A and Ctrl+C tapped at once to copy the line" grep -qxF '[sandbox] chord-copy-check' "$out"

console_line quit
status=0
wait "$sandbox_pid" || status=$?
sandbox_pid=
[ "$status" -eq 0 ] || fail "the second run ended with status $status"
echo "PASS"
