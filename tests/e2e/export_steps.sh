# Steps of a movie export in the desktop program, driven by xdotool, for the end-to-end test and
# the export benchmark. Needs xvfb_session.sh, whose private home holds the settings folder
# $settings_folder, and $program.

settings_folder="$XDG_CONFIG_HOME/Starwick Software/Pagewing"
mkdir -p "$settings_folder"

# Writes the settings file: small, quick movies, and then the KEY=VALUE pairs given.
write_settings() {
  python3 - "$settings_folder/Pagewing.txt" "$@" <<'PY'
import sys
lines = {"ExportWidth": "320", "ExportHeight": "240", "ExportFPS": "10", "ExportPAR": "1",
         "TimePage": "1", "TimeZoom": "1", "TimeView": "1", "ExportType": "0", "AntialiasingQuality": "1"}
for pair in sys.argv[2:]:
    key, value = pair.split("=", 1)
    lines[key] = value
text = "".join(f"{key}\t{value}\r\n" for key, value in lines.items())
open(sys.argv[1], "wb").write(b"\xff\xfe" + text.encode("utf-16-le"))
PY
}

# Starts the program and waits for the first spread with its photos loaded.
start_program() {
  "$program" >"$work/out" 2>"$work/err" &
  program_pid=$!
  window=$(wait_for_title '^Pagewing, Page 1 of 4, Browsing$' 30) || fail "the program did not start"
  xdotool windowfocus --sync "$window"
  sleep 0.3
}

# File > Export as Movie..., the sound file $3 (when given) added to the soundtrack and OK on the
# settings, the movie path typed into the file dialog, and OK on the encoder choice when the movie
# is compressed.
export_movie() {
  local movie=$1 compressed=$2 sound=${3:-}
  open_file_menu "$window"
  xdotool key Up Up Return
  wait_for_title '^Pagewing Export as Movie\.\.\.$' 10 >/dev/null || fail "no export settings dialog"
  [ -n "$sound" ] && add_sound "$sound"
  xdotool key Return
  wait_for_title '^Export as Movie\.\.\.$' 10 >/dev/null || fail "no movie file dialog"
  sleep 0.3
  xdotool type --delay 5 "$movie"
  xdotool key Return
  if [ "$compressed" = 1 ]; then
    wait_for_title '^Select DirectShow Encoder Filter$' 10 >/dev/null || fail "no encoder dialog"
    xdotool key Return
  fi
  wait_for_title 'Exporting(, |$)' 15 >/dev/null || fail "the export did not start"
}

# In the export settings dialog, whose focus is on the presets: the soundtrack's Add... button,
# the sound file typed into its file dialog; back in the settings once that dialog has gone.
add_sound() {
  xdotool key Tab Tab space
  wait_for_title '^Select Audio File\.\.\.$' 10 >/dev/null || fail "no audio file dialog"
  sleep 0.3
  xdotool type --delay 5 "$1"
  xdotool key Return
  for _ in $(seq 100); do
    xdotool search --name '^Select Audio File' >/dev/null 2>&1 || break
    sleep 0.1
  done
  sleep 0.3
}

# Waits for the report box, checks it went to the log, closes it; prints the frames stored.
take_report() {
  local box
  box=$(wait_for_title '^Oxbow$' "$1") || fail "no export report"
  grep -q '^Animation successfully exported as:' "$work/err" || fail "the report says the export failed"
  xdotool windowfocus --sync "$box" key Return
  sed -n 's/^Frames stored:\t\([0-9]*\)$/\1/p' "$work/err" | tail -1
}

# Escape in the book's window closes the program; waits for it to end.
quit_program() {
  xdotool windowfocus --sync "$window" key Escape
  wait_for_exit || fail "exit status $?"
}
