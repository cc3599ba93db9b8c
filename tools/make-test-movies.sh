#!/usr/bin/env bash
# Renders the short movies the movie tests play, with the ffmpeg program; the files
# it writes are committed. colors.mpg (MPEG-1 with MPEG audio layer 2, 160 x 120,
# 25 pictures a second) shows red, green, blue and white for 200 ms each over an
# 880 Hz tone; wide.mkv (lossless, 160 x 90) shows yellow for 200 ms, then cyan.
set -euo pipefail
cd "$(dirname "$0")/.."
out=tests/games/movie
mkdir -p "$out"

segment() { echo "color=c=$1:s=$2:r=25:d=0.2"; }

ffmpeg -v error -y \
  -f lavfi -i "$(segment red 160x120)" -f lavfi -i "$(segment lime 160x120)" \
  -f lavfi -i "$(segment blue 160x120)" -f lavfi -i "$(segment white 160x120)" \
  -f lavfi -i "sine=frequency=880:duration=0.8:sample_rate=44100" \
  -filter_complex "[0:v][1:v][2:v][3:v]concat=n=4:v=1:a=0[v]" -map "[v]" -map 4:a \
  -c:v mpeg1video -q:v 2 -g 5 -bf 0 -c:a mp2 -b:a 64k -ac 1 -f mpeg "$out/colors.mpg"

ffmpeg -v error -y \
  -f lavfi -i "$(segment yellow 160x90)" -f lavfi -i "$(segment cyan 160x90)" \
  -filter_complex "[0:v][1:v]concat=n=2:v=1:a=0[v]" -map "[v]" \
  -c:v ffv1 -pix_fmt yuv444p -f matroska "$out/wide.mkv"

ls -l "$out"
