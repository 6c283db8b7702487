# Shared by the end-to-end scripts: a scratch folder $work (removed at exit with the programs
# started) holding a private home whose settings file is $settings, fail, start_display for a
# private Xvfb display with a window manager, screenshot, waits for a window title, for the File
# menu to open and for the program ($program_pid) to end.
work=$(mktemp -d)
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
unset XDG_DOCUMENTS_DIR
mkdir -p "$HOME"
settings="$XDG_CONFIG_HOME/Starwick Software/Pagewing/Pagewing.txt"
xvfb_pid=""
wm_pid=""
program_pid=""

cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- program output"; cat "$work/out" 2>/dev/null
  echo "--- program errors"; cat "$work/err" 2>/dev/null
  exit 1
}

# Starts Xvfb on a free display (it writes the number to descriptor 3) and a window manager,
# so that full screen really covers the screen.
start_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb" &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb")"
  export DISPLAY=":$(head -1 "$work/display")"
  export XDG_RUNTIME_DIR="$work"
  openbox --sm-disable >"$work/wm" 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
  # A window mapped before the manager is done starting may be left in an odd state.
  sleep 0.5
}

# Saves what window $1 shows to the file $2.
screenshot() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ffmpeg -loglevel error -y -f x11grab -video_size "${WIDTH}x${HEIGHT}" -i "$DISPLAY+$X,$Y" -frames:v 1 "$2" \
    || fail "no screenshot $2"
}

# Waits up to $2 seconds for a window whose whole title matches the pattern; prints its id.
wait_for_title() {
  for _ in $(seq $(($2 * 10))); do
    local id=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Clicks the File menu of window $1 and waits up to 20 s for its popup, so that keys sent next reach
# the menu even when the program is slow to answer.
open_file_menu() {
  local before
  before=$(xdotool search --onlyvisible --class pagewing 2>/dev/null | wc -l)
  click_file_menu "$1"
  for attempt in $(seq 200); do
    [ "$(xdotool search --onlyvisible --class pagewing 2>/dev/null | wc -l)" -gt "$before" ] && return 0
    # On a loaded machine a click can reach a window still busy starting, or one the window
    # manager was still placing, and be lost: every 5 s, one more where the menu is now.
    [ $((attempt % 50)) -eq 0 ] && click_file_menu "$1"
    sleep 0.1
  done
  fail "the File menu did not open"
}

click_file_menu() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 18)) $((Y - 12)) click 1
}

# Waits up to 10 s for the program to end; its exit status.
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || { wait "$program_pid"; local status=$?; program_pid=""; return $status; }
    sleep 0.1
  done
  fail "the program did not end"
}
