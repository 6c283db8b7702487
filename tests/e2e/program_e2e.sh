#!/usr/bin/env bash
# End-to-end test of the desktop program on its sample photos, under its own Xvfb, driven by
# xdotool: first start with a fresh home, a screenshot checked by regions, a page turn, full
# screen during a turn, Escape, the settings written, and a second start at the stored window
# rectangle with the book bound on the right, bound on the left again through the menu.
# Usage: program_e2e.sh PAGEWING
set -uo pipefail

program=$1
here=$(dirname "$0")
source "$here/xvfb_session.sh"


stored_window() { iconv -f UTF-16LE -t UTF-8 "$settings" | tr -d '\r\357\273\277' | grep '^Window' | cut -f2-; }

start_display
"$program" >"$work/out" 2>"$work/err" &
program_pid=$!

# The sample folder holds 12 photos: four spreads. The title loses "Loading Photos..." once the
# photos around the open spread are in.
window=$(wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 30) || fail "no first-spread title: $(xdotool search --name Pagewing getwindowname %@ 2>&1)"
xdotool windowfocus --sync "$window"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
screenshot "$window" "$work/first.ppm"
python3 "$here/check_first_spread.py" "$work/first.ppm" || fail "the first spread does not look like the book"
# An open menu pauses drawing; the book must stay in the window meanwhile.
open_file_menu "$window"
sleep 0.5
screenshot "$window" "$work/menu.ppm"
python3 "$here/check_first_spread.py" "$work/menu.ppm" || fail "the book went while the menu was open"
# A click outside closes the menu without reaching the book.
xdotool mousemove $((X + WIDTH - 20)) $((Y + 20)) click 1
sleep 0.5

started=$(date +%s%N)
xdotool key Next
wait_for_title '^Pagewing, Page 2 of 4, Browsing' 15 >/dev/null || fail "Page Down did not reach page 2"
took=$((($(date +%s%N) - started) / 1000000))
# A turn takes TimePage (2 s by default); the title changes when it ends.
[ "$took" -ge 1500 ] && [ "$took" -le 8000 ] || fail "the page turn took $took ms"

# Full screen during a turn back resets the device: the turn goes on and the photos come back.
xdotool key Prior
sleep 0.5
xdotool key alt+Return
wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 20 >/dev/null || fail "no first spread after the reset"
grep -q '^New Backbuffer: 1280 x 1024 pixels$' "$work/err" || fail "the device was not reset for the full screen"
# Escape in full screen goes back to the window; in the window it closes the program.
xdotool key Escape
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "Escape in full screen closed the program"
xdotool key Escape
wait_for_exit || fail "exit status $?"
[ -f "$settings" ] || fail "no settings file at $settings"
first_rect=$(stored_window)
[ -n "$first_rect" ] || fail "no Window line in the settings"

# The second start reads a book bound on the right, shows its first photo on the left page, and
# the Settings menu's "Right-to-Left Book" (its 13th item) binds it on the left again.
printf 'RightToLeftBook\tY\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$settings"
"$program" >"$work/out2" 2>"$work/err2" &
program_pid=$!
window=$(wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 30) || fail "no first spread on the second start"
sleep 0.5
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
screenshot "$window" "$work/rtl.ppm"
python3 "$here/check_first_spread.py" "$work/rtl.ppm" --right-to-left || fail "the book is not bound on the right"
open_file_menu "$window"
xdotool key Right Right Right Right Right $(printf 'Down %.0s' $(seq 12)) Return
sleep 1
screenshot "$window" "$work/ltr.ppm"
python3 "$here/check_first_spread.py" "$work/ltr.ppm" || fail "the menu did not bind the book on the left"
xdotool key Escape
wait_for_exit || fail "second exit status $?"
second_rect=$(stored_window)
[ "$first_rect" = "$second_rect" ] || fail "the window moved from $first_rect to $second_rect"
iconv -f UTF-16LE -t UTF-8 "$settings" | grep -q RightToLeftBook \
  && fail "a book bound on the left is still stored as bound on the right"
echo "program e2e: page turn $took ms, window at $first_rect, right-to-left book shown and unbound"
