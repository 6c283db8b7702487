#!/usr/bin/env bash
# End-to-end test of Play Tour in the desktop program on its sample photos, under its own Xvfb:
# Shift+F9 starts the tour ("Playing Tour" in the title) and the book moves by itself; Alt+Enter goes to
# full screen and the tour plays on; any other key ends it without closing the program.
# Usage: play_tour_e2e.sh PAGEWING
set -uo pipefail

program=$1
here=$(dirname "$0")
source "$here/xvfb_session.sh"

start_display
"$program" >"$work/out" 2>"$work/err" &
program_pid=$!

window=$(wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 30) || fail "no first-spread title"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key shift+F9
wait_for_title '^Pagewing, Page 1 of 4, Playing Tour' 10 >/dev/null || fail "Shift+F9 did not start the tour: $(xdotool getwindowname "$window")"
# The tour plays by itself: the interleaf turns, then the camera moves onto the first photo.
screenshot "$window" "$work/a.ppm"
sleep 1.5
screenshot "$window" "$work/b.ppm"
cmp -s "$work/a.ppm" "$work/b.ppm" && fail "the book did not move during the tour"

xdotool key alt+Return
sleep 1.5
grep -q '^New Backbuffer: 1280 x 1024 pixels$' "$work/err" || fail "Alt+Enter did not go to full screen"
xdotool getwindowname "$window" | grep -q 'Playing Tour' || fail "the tour ended on Alt+Enter: $(xdotool getwindowname "$window")"
resets=$(grep -c '^New Backbuffer:' "$work/err")

# Any key ends the tour where the book is, and does nothing else: x is no command at all, and
# Escape ends only the tour, it neither leaves full screen nor closes the program.
xdotool key Escape
wait_for_title '^Pagewing, Page 1 of 4, Browsing' 10 >/dev/null || fail "a key did not end the tour: $(xdotool getwindowname "$window")"
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the key that ended the tour closed the program"
[ "$(grep -c '^New Backbuffer:' "$work/err")" -eq "$resets" ] || fail "the key that ended the tour left full screen"
# Escape in full screen goes back to the window; in the window it closes the program.
xdotool key Escape
sleep 1
xdotool key Escape
wait_for_exit || fail "exit status $?"
echo "play tour e2e: started, moved, stayed in full screen, ended on a key"
