#!/usr/bin/env bash
# End-to-end test of a device loss while a page turns: the book's drawing area is moved into a
# window of its own and back during a turn (its graphics context goes and comes back). The turn
# must go on to page 2 and the photos must come back, one per idle frame, until the title no
# longer says "Loading Photos...". Usage: book_reparent_e2e.sh BOOK_PROBE
set -uo pipefail

probe=$1
source "$(dirname "$0")/xvfb_session.sh"

title() { xdotool search --name '^Pagewing, Page ' getwindowname 2>/dev/null | head -1; }

# Waits up to $2 seconds for the title to match; every title seen goes to $work/titles.
wait_for_title() {
  for _ in $(seq $(($2 * 20))); do
    local now=$(title)
    echo "$now" >>"$work/titles"
    [[ "$now" =~ $1 ]] && return 0
    sleep 0.05
  done
  return 1
}

start_display
mkfifo "$work/commands"
"$probe" <"$work/commands" >"$work/out" 2>"$work/err" &
program_pid=$!
exec 4>"$work/commands"

wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 30 || fail "no first spread"
window=$(xdotool search --name '^Pagewing, Page 1 of 4, Browsing$' | head -1)
xdotool windowfocus --sync "$window"
: >"$work/titles"
xdotool key Next
sleep 0.5
echo detach >&4
sleep 0.7
echo attach >&4
wait_for_title '^Pagewing, Page 2 of 4, Browsing$' 20 || fail "the turn did not end with all photos shown: $(tail -1 "$work/titles")"
grep -q 'Loading Photos' "$work/titles" || fail "the photos were never reloaded after the context came back"
[ "$(grep -c '^New Backbuffer' "$work/err")" -ge 3 ] || fail "the device was not made anew: $(cat "$work/err")"
xdotool windowfocus --sync "$window"
xdotool key Escape
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
wait "$program_pid" || fail "exit status $?"
program_pid=""
echo "book reparent e2e: turn ended on page 2 and the photos came back"
