#!/usr/bin/env bash
# The command-line export killed (SIGKILL, no chance to finish the file) at random frames, full
# frames and Motion JPEG: every movie that got its header must decode without a single error
# up to the last frame that reached the disk, and hold frames once the export was well under way.
# A full disk and an output folder removed during the export end it with a failure.
# Usage: export_kill_e2e.sh PAGEWING_EXPORT
set -uo pipefail

exporter=$1
work=$(mktemp -d)
exporter_pid=""
trap '[ -n "$exporter_pid" ] && kill -9 "$exporter_pid" 2>/dev/null; rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$work/config"

fail() {
  echo "FAIL: $*"
  echo "--- errors"; tail -n 5 "$work/err" 2>/dev/null
  exit 1
}

mkdir -p "$work/photos"
for i in 1 2 3; do
  ffmpeg -v error -f lavfi -i "testsrc=size=640x480:rate=1" -frames:v 1 "$work/photos/photo$i.jpg" || fail "no test photo"
done

# The last "frame N" progress line the exporter wrote, 0 before the first.
last_frame() { sed -n 's/^frame \([0-9]*\) of.*/\1/p' "$work/err" | tail -n 1; }

kills=0
for encoder in "" "MJPEG (Motion JPEG)"; do
  for round in 1 2 3 4; do
    movie="$work/killed.avi"
    rm -f "$movie"
    args=(--settings /dev/null --width 320 --height 240 --fps 25)
    [ -n "$encoder" ] && args+=(--encoder "$encoder")
    "$exporter" "$work/photos" "$movie" "${args[@]}" >"$work/out" 2>"$work/err" &
    exporter_pid=$!
    target=$((RANDOM % 60 + 1))
    for _ in $(seq 600); do [ "$(last_frame)" -ge "$target" ] 2>/dev/null && break; sleep 0.02; done
    sleep "0.0$((RANDOM % 10))"
    kill -9 "$exporter_pid" 2>/dev/null
    wait "$exporter_pid" 2>/dev/null
    exporter_pid=""
    kills=$((kills + 1))
    frames=$(last_frame)
    # The header is written before the first frame is drawn; a kill before that (a slow start
    # on a busy machine) leaves no movie to check.
    if ! [ -s "$movie" ]; then
      [ "${frames:-0}" -ge 1 ] && fail "${encoder:-full frames} round $round: no movie after frame $frames"
      continue
    fi
    errors=$(ffmpeg -v error -i "$movie" -f null - 2>&1)
    [ -z "$errors" ] || fail "${encoder:-full frames} killed after frame $frames: $errors"
    decoded=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$movie")
    # Frames still in the writer's buffer die with the process; a few dozen past the start some are on disk.
    if [ "${frames:-0}" -ge 30 ] && [ "${decoded:-0}" -lt 1 ]; then
      fail "${encoder:-full frames} killed after frame $frames: no frame decodes"
    fi
  done
done
# A disk that fills half-way (the file-size limit) ends the export with an error: the exit code
# says so, and what was stored still opens.
movie="$work/full.avi"
( trap '' XFSZ; ulimit -f 2000; exec "$exporter" "$work/photos" "$movie" --settings /dev/null \
    --width 320 --height 240 --fps 25 >"$work/out" 2>"$work/err" )
code=$?
[ "$code" -eq 1 ] || fail "a full disk gave exit code $code, not 1"
grep -q "File too large" "$work/err" || fail "a full disk was not reported"
grep -q "successfully" "$work/out" && fail "a full disk was reported as a success"
errors=$(ffmpeg -v error -i "$movie" -f null - 2>&1)
[ -z "$errors" ] || fail "the movie of a full disk does not decode cleanly: $errors"
decoded=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$movie")
[ "${decoded:-0}" -ge 1 ] || fail "the movie of a full disk holds no frame"

# A disk full before the first frame leaves no file, and the message says so.
movie="$work/empty.mp4"
( trap '' XFSZ; ulimit -f 100; exec "$exporter" "$work/photos" "$movie" --settings /dev/null \
    --width 320 --height 240 --fps 25 >"$work/out" 2>"$work/err" )
code=$?
[ "$code" -eq 1 ] || fail "a disk full from the start gave exit code $code, not 1"
grep -q "No frame could be stored, so the unfinished movie file was removed" "$work/err" ||
  fail "a disk full from the start did not say the file was removed"
[ -e "$movie" ] && fail "a disk full from the start left $movie"

# The output folder removed half-way: the writes still go to the removed file, which is lost
# with it; the export must say so and fail, not report a success.
mkdir -p "$work/gone"
"$exporter" "$work/photos" "$work/gone/movie.avi" --settings /dev/null --width 320 --height 240 --fps 25 \
  >"$work/out" 2>"$work/err" &
exporter_pid=$!
for _ in $(seq 600); do [ "$(last_frame)" -ge 20 ] 2>/dev/null && break; sleep 0.02; done
rm -rf "$work/gone"
wait "$exporter_pid"
code=$?
exporter_pid=""
[ "$code" -eq 1 ] || fail "a removed output folder gave exit code $code, not 1"
grep -q "Error finishing the movie file: No such file or directory" "$work/err" || fail "the removed file was not reported"
grep -q "successfully" "$work/out" && fail "a removed movie was reported as a success"

echo "export kill e2e: $kills exports killed at random frames, every movie decodes cleanly; a full disk and a removed folder fail the export"
