#!/usr/bin/env bash
# End-to-end test of starting the desktop program the Linux way, under its own Xvfb: --help,
# --version and an unknown option without any display; a folder whose name has a space and
# non-ASCII letters opened from the command line, as the desktop entry passes it, and stored as
# the most recent folder; a photo path opening its folder; a missing path reported in a message
# box, then the usual start.
# Usage: open_path_e2e.sh PAGEWING
set -uo pipefail

program=$1
here=$(dirname "$0")
source "$here/xvfb_session.sh"

samples="$(dirname "$program")/media/photos"

recent_path_0() { iconv -f UTF-16LE -t UTF-8 "$settings" | tr -d '\r\357\273\277' | grep '^RecentPath0' | cut -f2-; }

# Printing and refusing need no display.
env -u DISPLAY "$program" --version >"$work/out" 2>"$work/err" || fail "--version exit status $?"
grep -q '^Pagewing [0-9.]*$' "$work/out" || fail "--version printed: $(cat "$work/out")"
env -u DISPLAY "$program" --help >"$work/out" 2>"$work/err" || fail "--help exit status $?"
grep -q '^Usage: pagewing \[FOLDER | PHOTO\]$' "$work/out" || fail "--help printed: $(cat "$work/out")"
env -u DISPLAY "$program" --no-such-option >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] || fail "an unknown option gave exit status $status"
grep -q "unknown option '--no-such-option'" "$work/err" || fail "an unknown option printed: $(cat "$work/err")"
[ -s "$work/out" ] && fail "an unknown option printed on standard output"

# Six photos: two spreads, where the sample folder of the usual start has four.
folder="$work/Fotos Köln 2024"
mkdir -p "$folder"
for photo in $(ls "$samples" | head -6); do cp "$samples/$photo" "$folder/"; done
start_display

# Started as a file manager starts the desktop entry: its Exec line with %f made the folder.
entry="$here/../../packaging/pagewing.desktop"
grep -q '^MimeType=inode/directory;image/jpeg;' "$entry" || fail "the desktop entry declares no folders and photos"
exec_line=$(grep '^Exec=' "$entry" | cut -d= -f2-)
[ "$exec_line" = "pagewing %f" ] || fail "the desktop entry runs '$exec_line'"
"$program" "$folder" >"$work/out" 2>"$work/err" &
program_pid=$!
window=$(wait_for_title '^Pagewing, Page 1 of 2, Browsing' 30) || fail "the folder was not opened: $(xdotool search --name Pagewing getwindowname %@ 2>&1)"
xdotool windowfocus --sync "$window"
xdotool key Escape
wait_for_exit || fail "exit status $?"
[ "$(recent_path_0)" = "\"$folder/\"" ] || fail "recent path 0 is $(recent_path_0)"

photo="$folder/$(ls "$folder" | head -1)"
rm -f "$settings"
(cd "$work" && exec "$program" "Fotos Köln 2024/$(basename "$photo")") >"$work/out" 2>"$work/err" &
program_pid=$!
window=$(wait_for_title '^Pagewing, Page 1 of 2, Browsing' 30) || fail "the photo's folder was not opened"
xdotool windowfocus --sync "$window"
xdotool key Escape
wait_for_exit || fail "exit status $?"
[ "$(recent_path_0)" = "\"$photo\"" ] || fail "recent path 0 is $(recent_path_0), not the photo"

# The missing path is reported; after OK the most recent folder opens as on any start.
"$program" "$work/gone" >"$work/out" 2>"$work/err" &
program_pid=$!
# The message box is titled "Pagewing", as the main window is until its first frame: the box is
# there when two such windows are, or one beside a main window titled with its page.
message_box_shown() {
  local plain=$(xdotool search --onlyvisible --name '^Pagewing$' 2>/dev/null | wc -l)
  local paged=$(xdotool search --onlyvisible --name '^Pagewing, ' 2>/dev/null | wc -l)
  [ "$plain" -ge 2 ] || { [ "$plain" -ge 1 ] && [ "$paged" -ge 1 ]; }
}
for _ in $(seq 300); do message_box_shown && break; sleep 0.1; done
message_box_shown || fail "no message for a missing path"
box=$(xdotool search --onlyvisible --name '^Pagewing$' | tail -1)
xdotool windowfocus --sync "$box"
sleep 0.3
xdotool key Return
window=$(wait_for_title '^Pagewing, Page 1 of 2, Browsing' 30) || fail "no usual start after the message"
xdotool windowfocus --sync "$window"
xdotool key Escape
wait_for_exit || fail "exit status $?"
[ "$(recent_path_0)" = "\"$photo\"" ] || fail "a missing path changed recent path 0 to $(recent_path_0)"
echo "open path e2e: folder, photo and missing path"
