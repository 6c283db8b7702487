#!/usr/bin/env bash
# End-to-end test of "Export as Movie..." in the desktop program on its 12 sample photos, under
# its own Xvfb, driven by xdotool through the menu, the export dialogs and the report box. Each
# movie is read back by ffprobe and decoded by ffmpeg:
#   full frames, antialiasing 1, played to the end: every frame of the tour, the first one
#     showing the first spread;
#   MPEG-4 at antialiasing 2 and H.264 (when installed) at 3, ended by Escape;
#   holiday.mp4 with a song added in the settings dialog and every dialog confirmed: H.264 and
#     AAC in MP4, the sound as long as the pictures, progress in the title, ended by Escape;
#   Motion JPEG at antialiasing 4, ended by closing the window;
#   full frames grabbed from the window, ended by Escape;
# and the command-line export of the same tour gives the very same frames.
# A movie ended early must be complete: it holds exactly the frames the report says were stored.
# Usage: export_e2e.sh PAGEWING
set -uo pipefail

program=$1
here=$(dirname "$0")
source "$here/xvfb_session.sh"
source "$here/export_steps.sh"

# 12 photos at 10 fps with one-second phases: the tour of four spreads ends after 461 frames.
full_tour_frames=461
# Ten-second phases for the movies ended early: their tour lasts far longer than the wait before
# the key that ends it, however fast the frames come.
long_tour=(TimePage=10 TimeZoom=10 TimeView=10)

# Checks codec, size, rate and the decoded frame count of a movie.
check_movie() {
  local movie=$1 codec=$2 width=$3 height=$4 frames=$5
  local probed
  probed=$(ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=codec_name,width,height,r_frame_rate,nb_read_frames -of csv=p=0 "$movie") \
    || fail "ffprobe cannot read $movie"
  [ "$probed" = "$codec,$width,$height,10/1,$frames" ] || fail "$movie: expected $codec,$width,$height,10/1,$frames, got $probed"
  ffmpeg -v error -xerror -i "$movie" -f null - 2>"$work/decode" || fail "ffmpeg cannot decode $movie: $(cat "$work/decode")"
}

start_display

# Full frames, played to the end.
write_settings
# What the program started from; the file it writes at the end keeps fewer digits.
cp "$settings_folder/Pagewing.txt" "$work/start-settings.txt"
start_program
export_movie "$work/full.avi" 0
stored=$(take_report 120)
[ "$stored" = "$full_tour_frames" ] || fail "stored $stored frames, the tour has $full_tour_frames"
check_movie "$work/full.avi" rawvideo 320 240 "$full_tour_frames"
ffmpeg -v error -i "$work/full.avi" -frames:v 1 "$work/first.ppm" || fail "no first frame"
python3 "$here/check_first_spread.py" "$work/first.ppm" --interleaf || fail "the first frame does not show the first spread"
quit_program

# The command-line export of the same folder with the same settings writes the same frames.
"$(dirname "$program")/pagewing-export" "$(dirname "$program")/media/photos" "$work/cli.avi" \
  --settings "$work/start-settings.txt" >"$work/cli.out" 2>"$work/cli.err" || fail "pagewing-export: $(cat "$work/cli.err")"
frame_sums() { ffmpeg -v error -i "$1" -f framemd5 - | grep -v '^#' | cut -d, -f6; }
[ "$(frame_sums "$work/full.avi")" = "$(frame_sums "$work/cli.avi")" ] || fail "the command-line export drew other frames"

# Compressed movies ended early by Escape.
encoders=("MPEG-4 part 2:mpeg4:2")
available=$(ffmpeg -hide_banner -encoders 2>/dev/null)
if grep -q ' libx264 ' <<<"$available"; then
  encoders+=("libx264 H.264 / AVC / MPEG-4 AVC / MPEG-4 part 10:h264:3")
fi
for entry in "${encoders[@]}"; do
  IFS=: read -r name codec quality <<<"$entry"
  write_settings "${long_tour[@]}" ExportType=1 "EncoderName=\"$name\"" AntialiasingQuality="$quality"
  start_program
  export_movie "$work/$codec.avi" 1
  sleep 3
  xdotool key Escape
  stored=$(take_report 15)
  [ "${stored:-0}" -gt 5 ] || fail "$name: only ${stored:-no} frames stored"
  check_movie "$work/$codec.avi" "$codec" 320 240 "$stored"
  quit_program
done

# A new user's holiday.mp4 with a song: OK on every dialog gives H.264 and AAC in MP4, with the
# progress in the title while it runs; Escape ends it with a playable movie whose sound lasts as
# long as its pictures.
write_settings "${long_tour[@]}"
ffmpeg -v error -f lavfi -i sine=frequency=440:duration=20 -ac 2 "$work/song.ogg" || fail "no song made"
start_program
export_movie "$work/holiday.mp4" 1 "$work/song.ogg"
wait_for_title 'Exporting, Frame [0-9]+ of [0-9]+, [0-9]+ %, [0-9]+:[0-9][0-9] elapsed' 10 >/dev/null \
  || fail "no progress in the title"
sleep 2
xdotool key Escape
stored=$(take_report 15)
[ "${stored:-0}" -gt 5 ] || fail "MP4: only ${stored:-no} frames stored"
grep -q $'^Container:\tMP4$' "$work/err" && grep -q $'^Encoder:\tH.264$' "$work/err" || fail "the report names no MP4 or H.264"
check_movie "$work/holiday.mp4" h264 320 240 "$stored"
[ "$(ffprobe -v error -select_streams v:0 -show_entries stream=pix_fmt -of csv=p=0 "$work/holiday.mp4")" = yuv420p ] \
  || fail "MP4 not 4:2:0"
grep -q $'^Soundtrack:\tsong.ogg$' "$work/err" || fail "the report names no soundtrack"
sound=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,sample_rate,channels,duration \
  -of csv=p=0 "$work/holiday.mp4")
python3 - "$sound" "$stored" <<'PY' || fail "MP4 sound $sound is not AAC, 48 kHz stereo for the $stored frames"
import sys
codec, rate, channels, seconds = sys.argv[1].split(",")
assert (codec, rate, channels) == ("aac", "48000", "2")
# Within one frame of the pictures' 10 frames a second.
assert abs(float(seconds) - int(sys.argv[2]) / 10) <= 0.1
PY
quit_program
python3 - "$settings_folder/Pagewing.txt" "$work/song.ogg" <<'PY' || fail "the MP4 choice or the song was not remembered"
import sys
text = open(sys.argv[1], encoding="utf-16").read()
assert "holiday.mp4" in text and "MovieEncoder\tH.264" in text, text[-300:]
assert f"SoundtrackFile\t{sys.argv[2]}" in text, text[-300:]
PY

# Motion JPEG at the highest antialiasing, ended by closing the window: the report comes first,
# then the program ends with the movie complete.
write_settings "${long_tour[@]}" ExportType=1 'EncoderName="MJPEG (Motion JPEG)"' AntialiasingQuality=4
start_program
export_movie "$work/mjpeg.avi" 1
sleep 3
xdotool key alt+F4
stored=$(take_report 15)
wait_for_exit || fail "the program did not end after the report: $?"
[ "${stored:-0}" -gt 5 ] || fail "Motion JPEG: only ${stored:-no} frames stored"
check_movie "$work/mjpeg.avi" mjpeg 320 240 "$stored"

# Frames grabbed from the window: the movie takes the window's size after a two-second wait.
write_settings "${long_tour[@]}" AntialiasingQuality=5
start_program
export_movie "$work/grab.avi" 0
sleep 4
xdotool key Escape
stored=$(take_report 15)
[ "${stored:-0}" -gt 5 ] || fail "screen grab: only ${stored:-no} frames stored"
grep -q '^AA method:	Hardware AA$' "$work/err" || fail "the report does not name the screen grab"
check_movie "$work/grab.avi" rawvideo 320 240 "$stored"
ffmpeg -v error -i "$work/grab.avi" -frames:v 1 "$work/grabbed.ppm" || fail "no grabbed frame"
python3 "$here/check_first_spread.py" "$work/grabbed.ppm" --interleaf || fail "the grabbed frame does not show the first spread"
quit_program

echo "export e2e: full tour of $full_tour_frames frames, ${#encoders[@]} encoders ended by Escape, Motion JPEG by closing, screen grab"
