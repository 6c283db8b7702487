#!/usr/bin/env bash
# Export speed of the desktop program (under a private Xvfb, through its menu and dialogs) next
# to the command-line export with the same settings, on the sample photos: 25 fps, one-second
# phases, full frames and MPEG-4, 640 x 480 at antialiasing 1 and 2. Each export runs for
# SECONDS (8 by default) and is then ended as a user would (Esc, Ctrl+C); the rates are the
# reports' "Export speed" lines.
# Usage: desktop_export_benchmark.sh PAGEWING [SECONDS]
set -uo pipefail

program=$1
seconds=${2:-8}
here=$(dirname "$0")/../tests/e2e
source "$here/xvfb_session.sh"
source "$here/export_steps.sh"

exporter="$(dirname "$program")/pagewing-export"
speed() { sed -n 's/^Export speed:\t\([0-9.]*\) .*/\1/p' "$1" | tail -1; }

start_display
printf '%-28s %10s %10s\n' "movie" "desktop" "command"
for quality in 1 2; do
  for encoder in "" "MPEG-4 part 2"; do
    type=0
    [ -n "$encoder" ] && type=1
    write_settings ExportWidth=640 ExportHeight=480 ExportFPS=25 ExportType=$type "EncoderName=\"$encoder\"" \
      AntialiasingQuality=$quality
    cp "$settings_folder/Pagewing.txt" "$work/settings.txt"
    start_program
    export_movie "$work/desktop-$quality-$type.avi" $type
    sleep "$seconds"
    xdotool key Escape
    take_report 30 >/dev/null
    quit_program
    desktop=$(speed "$work/err")

    "$exporter" "$(dirname "$program")/media/photos" "$work/command-$quality-$type.avi" --settings "$work/settings.txt" \
      >"$work/command.out" 2>/dev/null &
    exporter_pid=$!
    sleep "$seconds"
    kill -INT "$exporter_pid"
    wait "$exporter_pid"
    printf '%-28s %10s %10s\n' "640 x 480 AA $quality ${encoder:-full frames}" "$desktop" "$(speed "$work/command.out")"
  done
done
