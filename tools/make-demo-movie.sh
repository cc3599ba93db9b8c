#!/usr/bin/env bash
# Renders the demo's opening movie with the ffmpeg program from the demo's own
# pictures (written by make_demo_assets.py) and a generated chord: three seconds,
# 320 x 240, MPEG-1 with MPEG audio layer 2. The file it writes is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
demo=games/demo
mkdir -p "$demo/movie"

# One second of a picture, faded in and out: still PICTURE
still() { echo "-loop 1 -t 1 -i $demo/$1"; }
fit="scale=320:240,setsar=1,fps=25,format=yuv420p,fade=t=in:d=0.25,fade=t=out:st=0.75:d=0.25"

# shellcheck disable=SC2046
ffmpeg -v error -y $(still cg/bg_sky.png) $(still cg/bg_night.bmp) $(still cg/title.bmp) \
  -f lavfi -i "aevalsrc=0.2*sin(2*PI*440*t)+0.12*sin(2*PI*554.37*t)+0.12*sin(2*PI*659.26*t):s=44100:d=3" \
  -filter_complex "[0:v]$fit[a];[1:v]$fit[b];[2:v]$fit[c];[a][b][c]concat=n=3:v=1:a=0[v];[3:a]afade=t=in:d=0.3,afade=t=out:st=2.4:d=0.6[s]" \
  -map "[v]" -map "[s]" -c:v mpeg1video -q:v 4 -g 12 -c:a mp2 -b:a 64k -ac 1 -f mpeg "$demo/movie/opening.mpg"

ls -l "$demo/movie"
