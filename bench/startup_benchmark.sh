#!/usr/bin/env bash
# Time from start to the first frame (the window's first title) and to the first spread's photos
# all shown (the title no longer says "Loading Photos..."), under a private Xvfb.
# Usage: startup_benchmark.sh PAGEWING [FOLDER]
#   without FOLDER: the sample photos (a first start with a fresh home);
#   with FOLDER: that folder, made first with 200 generated 4000 x 3000 photos when it is missing.
set -uo pipefail

program=$1
folder=${2:-}
source "$(dirname "$0")/../tests/e2e/xvfb_session.sh"

make_large_folder() {
  mkdir -p "$folder"
  ffmpeg -loglevel error -f lavfi -i testsrc2=size=4000x3000:rate=1 -frames:v 200 -q:v 3 "$folder/photo%03d.jpg" \
    || fail "could not make $folder"
}

# A settings file that names only a photo of the folder to open (recent paths are photos; their
# folder is opened); every other setting keeps its default.
point_settings_at() {
  local dir="$XDG_CONFIG_HOME/Starwick Software/Pagewing"
  mkdir -p "$dir"
  printf '\xff\xfe' >"$dir/Pagewing.txt"
  printf 'RecentPath0\t"%s"\r\n' "$1" | iconv -f UTF-8 -t UTF-16LE >>"$dir/Pagewing.txt"
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

if [ -n "$folder" ]; then
  [ -d "$folder" ] || make_large_folder
  point_settings_at "$(cd "$folder" && pwd)/$(ls "$folder" | head -1)"
fi

start_display
started=$(now_ms)
"$program" >"$work/out" 2>"$work/err" &
program_pid=$!
first=""
for _ in $(seq 1200); do
  title=$(xdotool search --name '^Pagewing, Page ' getwindowname 2>/dev/null | head -1)
  [ -n "$title" ] && [ -z "$first" ] && first=$(($(now_ms) - started))
  [ -n "$title" ] && [[ "$title" != *"Loading Photos..."* ]] && break
  sleep 0.05
done
loaded=$(($(now_ms) - started))
[ -n "$first" ] || fail "no window"
echo "first frame after ${first} ms; first spread's photos shown after ${loaded} ms (${title})"
xdotool key --window "$(xdotool search --name "^Pagewing, Page " | head -1)" Escape
