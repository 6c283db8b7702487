#!/usr/bin/env bash
# End-to-end test of the command-line export, with no display: a generated folder of five photos
# exported at 320 x 240, 10 fps and one-second phases (191 frames by the tour's rules), full
# frames, Motion JPEG and an H.264 MP4, read back by ffprobe; a book bound on the right keeps the
# tour's length and shows its first photo on the left; a bad option writes nothing and exits 2;
# Ctrl+C and SIGTERM during an export leave a complete movie and the report, with exit codes 130
# and 143.
# Usage: cli_e2e.sh PAGEWING_EXPORT
set -uo pipefail

exporter=$1
work=$(mktemp -d)
exporter_pid=""
trap '[ -n "$exporter_pid" ] && kill "$exporter_pid" 2>/dev/null; rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL: $*"
  echo "--- output"; cat "$work/out" 2>/dev/null
  echo "--- errors"; cat "$work/err" 2>/dev/null
  exit 1
}

mkdir -p "$work/photos"
for i in 1 2 3 4 5; do
  ffmpeg -v error -f lavfi -i "testsrc=size=640x480:rate=1" -frames:v 1 "$work/photos/photo$i.jpg" || fail "no test photo"
done
quick=(--settings /dev/null --width 320 --height 240 --fps 10 --time-page 1 --time-zoom 1 --time-view 1 --antialiasing 1)

# Prints codec,width,height,rate,frames of a movie.
probe() {
  ffprobe -v error -count_frames -select_streams v:0 \
    -show_entries stream=codec_name,width,height,r_frame_rate,nb_read_frames -of csv=p=0 "$1"
}

"$exporter" "$work/photos" "$work/full.avi" "${quick[@]}" >"$work/out" 2>"$work/err" || fail "full frames: exit $?"
[ "$(probe "$work/full.avi")" = "rawvideo,320,240,10/1,191" ] || fail "full frames: $(probe "$work/full.avi")"
grep -q '^Frames stored:	191$' "$work/out" || fail "no report on standard output"

"$exporter" "$work/photos" "$work/mjpeg.avi" "${quick[@]}" --encoder "MJPEG (Motion JPEG)" >"$work/out" 2>"$work/err" \
  || fail "Motion JPEG: exit $?"
[ "$(probe "$work/mjpeg.avi")" = "mjpeg,320,240,10/1,191" ] || fail "Motion JPEG: $(probe "$work/mjpeg.avi")"

"$exporter" "$work/photos" "$work/bad.avi" "${quick[@]}" --fps 250 >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 2 ] || fail "a bad --fps gave exit $status"
[ ! -e "$work/bad.avi" ] || fail "a bad option still wrote a file"
grep -q '^pagewing-export: --fps' "$work/err" || fail "no clear message for a bad --fps"

# The container follows the output's name: an H.264 MP4 that browsers play.
"$exporter" "$work/photos" "$work/tour.mp4" "${quick[@]}" --encoder h264 --speed ultrafast >"$work/out" 2>"$work/err" \
  || fail "MP4: exit $?"
[ "$(probe "$work/tour.mp4")" = "h264,320,240,10/1,191" ] || fail "MP4: $(probe "$work/tour.mp4")"
[ -z "$(ffmpeg -v error -i "$work/tour.mp4" -f null - 2>&1)" ] || fail "MP4 does not decode cleanly"
"$exporter" "$work/photos" "$work/bad.mp4" "${quick[@]}" --speed warp >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 2 ] || fail "a bad --speed gave exit $status"
[ ! -e "$work/bad.mp4" ] || fail "a bad --speed still wrote a file"
grep -q '^pagewing-export: --speed for H.264 takes one of' "$work/err" || fail "no clear message for a bad --speed"

# Bound on the right, the tour keeps its length and shows the first photo on the left page once
# the interleaf has turned (frame 9); bound on the left, on the right page.
mkdir -p "$work/one"
cp "$(dirname "$exporter")/media/photos/checker.bmp" "$work/one/" || fail "no sample photo beside the exporter"
for binding in left-to-right right-to-left; do
  movie="$work/$binding.avi"
  "$exporter" "$work/one" "$movie" "${quick[@]}" --$binding >"$work/out" 2>"$work/err" || fail "$binding: exit $?"
  [ "$(probe "$movie")" = "rawvideo,320,240,10/1,41" ] || fail "$binding: $(probe "$movie")"
  ffmpeg -v error -i "$movie" -vf 'select=eq(n\,9)' -frames:v 1 "$work/$binding.ppm" || fail "$binding: no frame 9"
  side=$([ "$binding" = right-to-left ] && echo --right-to-left)
  python3 "$(dirname "$0")/check_first_spread.py" "$work/$binding.ppm" $side \
    || fail "$binding: frame 9 shows another book"
done

# A long export stopped by a signal once it is under way.
for entry in INT:130 TERM:143; do
  IFS=: read -r signal code <<<"$entry"
  movie="$work/stopped-$signal.avi"
  "$exporter" "$work/photos" "$movie" --settings /dev/null --antialiasing 2 >"$work/out" 2>"$work/err" &
  exporter_pid=$!
  for _ in $(seq 300); do grep -q '^frame ' "$work/err" && break; sleep 0.1; done
  sleep 1
  kill -"$signal" "$exporter_pid"
  wait "$exporter_pid"
  status=$?
  exporter_pid=""
  [ "$status" = "$code" ] || fail "SIG$signal gave exit $status, not $code"
  stored=$(sed -n 's/^Frames stored:\t\([0-9]*\)$/\1/p' "$work/out")
  [ "${stored:-0}" -gt 0 ] || fail "SIG$signal: no report with stored frames"
  [ "$(probe "$movie")" = "rawvideo,640,480,25/1,$stored" ] || fail "SIG$signal: $(probe "$movie") for $stored frames"
  ffmpeg -v error -xerror -i "$movie" -f null - || fail "SIG$signal: the movie does not decode"
done
echo "cli e2e: 191-frame tours, both bindings, bad option refused, SIGINT and SIGTERM leave complete movies"
