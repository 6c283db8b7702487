#!/usr/bin/env bash
# End-to-end test of the real window and framework: runs the window probe under its own Xvfb,
# drives it with xdotool and checks the callbacks it prints. Usage: window_e2e.sh PROBE
set -uo pipefail

probe=$1
source "$(dirname "$0")/xvfb_session.sh"

# Waits up to 10 s for a line matching the pattern in the probe's output.
wait_for() {
  for _ in $(seq 100); do
    grep -qE "$1" "$work/out" && return 0
    sleep 0.1
  done
  fail "no line matching '$1'"
}

# Waits up to 10 s for the count-th line matching the pattern.
wait_for_count() {
  for _ in $(seq 100); do
    [ "$(grep -cE "$1" "$work/out")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "fewer than $2 lines matching '$1'"
}

# The last "frames N" count printed.
frames() { grep -E '^frames ' "$work/out" | tail -1 | cut -d' ' -f2; }

wait_for_more_frames() {
  local before=$(frames)
  before=${before:-0}
  for _ in $(seq 100); do
    local now=$(frames)
    [ "${now:-0}" -gt $((before + 50)) ] && return 0
    sleep 0.1
  done
  fail "frames stopped after $before"
}

# The red, green and blue of the screen pixel at the centre of a window.
window_pixel() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ffmpeg -loglevel error -f x11grab -video_size 1x1 -i "$DISPLAY+$((X + WIDTH / 2)),$((Y + HEIGHT / 2))" \
    -frames:v 1 -f rawvideo -pix_fmt rgb24 - | od -An -tu1
}

# The probe clears to blue: what it draws must reach the screen.
expect_drawn() {
  local pixel
  pixel=$(window_pixel "$1")
  read -r red green blue <<<"$pixel"
  [ "${blue:-0}" -gt 80 ] && [ "${red:-255}" -lt 64 ] || fail "$2: the window shows ($pixel), not the frames drawn"
}

# The events so far, frames left out.
events() { grep -vE '^frames ' "$work/out"; }

start_display

"$probe" >"$work/out" 2>"$work/err" &
program_pid=$!

wait_for '^reset '
# Frames come without any input. A window manager's frame arrives late and the window is fitted
# to its stored outer rectangle then: give that reset time to happen.
wait_for_more_frames
sleep 0.6
window=$(xdotool search --sync --name '^Window Probe$' | head -1)
[ -n "$window" ] || fail "no window"
xdotool windowfocus --sync "$window"
expect_drawn "$window" "windowed"

xdotool key w
wait_for '^key 87$'
# Num Lock is off: the keypad's 4 is its left arrow; its plus stays VK_ADD.
xdotool key KP_Left KP_Add
wait_for '^key 107$'
xdotool mousemove --window "$window" 200 150 click 1
wait_for '^left '

# Moving the drawing area into a window of its own and back makes its context anew each time.
xdotool key d
wait_for_more_frames
detached=$(xdotool search --sync --name '^Pagewing drawing area$' | head -1)
[ -n "$detached" ] || fail "no detached drawing area"
xdotool windowfocus --sync "$detached"
xdotool key a
wait_for_more_frames
xdotool windowfocus --sync "$window"
# Alt+Enter is the accelerator of command 40003 (it reaches nobody as a key): full screen takes
# the whole screen, menu bar included, and going back gives the window its size again.
xdotool key alt+Return
wait_for '^reset 1280x1024$'
sleep 1
expect_drawn "$window" "full screen"
xdotool key s
wait_for '^client '
xdotool key alt+Return
wait_for_more_frames
xdotool key s
wait_for_count '^client ' 2
# Minimised, nothing is drawn; shown again, frames come back without a device reset.
xdotool windowminimize --sync "$window"
sleep 0.3
before=$(frames)
sleep 1
[ "$(frames)" = "$before" ] || fail "frames went on while minimised ($before, then $(frames))"
xdotool windowactivate --sync "$window" 2>/dev/null
wait_for_more_frames
expect_drawn "$window" "restored"
# Resizing the window resets the device with the new client size once the resizing is over.
resets=$(grep -cE '^reset ' "$work/out")
xdotool windowsize --sync "$window" 500 400
wait_for_count '^reset ' $((resets + 1))
xdotool key s
wait_for_count '^client ' 3
resized=$(grep -E '^client ' "$work/out" | tail -1 | cut -d' ' -f2)
[ "${resized%x*}" = 500 ] || fail "client width $resized after resizing to 500"
expect_drawn "$window" "resized"
# The window manager's close (Alt+F4 in openbox) asks the application first; it lets it close.
xdotool key alt+F4
wait_for '^exit '
wait "$program_pid"
status=$?
program_pid=""

expected="key 87
key 37
key 107
left
key 68
lost
destroyed
created W
reset W
key 65
lost
destroyed
created W
reset W
command 40003
lost
reset 1280x1024
key 83
client 1280x1024
command 40003
lost
reset W
key 83
client W
lost
reset R
key 83
client R
close
lost
destroyed
exit 0"
# Until the first key only the device's creation and the resets of the window's settling.
first_key=$(events | grep -n '^key 87$' | head -1 | cut -d: -f1)
start=$(events | head -n $((first_key - 1)))
[ "$(echo "$start" | head -2 | cut -d' ' -f1 | tr '\n' ' ')" = "created reset " ] || fail "start was: $start"
echo "$start" | grep -vqE '^(created|reset|lost)( |$)' && fail "unexpected events at the start: $start"
windowed=$(echo "$start" | grep -E '^reset ' | tail -1 | cut -d' ' -f2)
actual=$(events | tail -n +"$first_key" | sed -E "s/^(created|reset|client) $windowed\$/\1 W/; s/^(reset|client) $resized\$/\1 R/; s/^left [0-9]+,[0-9]+\$/left/")
[ "$actual" = "$expected" ] || fail "events differ from what was expected:
$(diff <(echo "$expected") <(echo "$actual"))"
[ "$status" -eq 0 ] || fail "probe exit status $status"
grep -qE '^reset [0-9]+x[0-9]+$' "$work/out" || fail "no back-buffer size"
echo "window e2e: $(frames) frames, events as expected"
