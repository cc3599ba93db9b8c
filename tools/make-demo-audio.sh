#!/usr/bin/env bash
# Generates the demo's music, sound effects and voice line, and the short sound the
# audio tests play, with sox and espeak-ng. Run it again after changing a sound here;
# the files it writes are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
demo=games/demo
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$demo/bgm" "$demo/se" "$demo/voice" tests/games/sound

# Small Ogg Vorbis: mono, 22.05 kHz, lowest quality setting.
ogg() { sox "$1" -r 22050 -c 1 -C -1 "$2"; }

# One bar of a plucked triad: chord NAME NOTE NOTE NOTE
chord() {
  sox -n -r 22050 -c 1 "$work/$1.wav" synth 2 pluck "$2" synth 2 pluck mix "$3" synth 2 pluck mix "$4" \
    gain -n -8
}

# Music 1: a calm four-bar loop (C, A minor, F, G).
chord c C3 E3 G3; chord am A2 C3 E3; chord f F2 A2 C3; chord g G2 B2 D3
sox "$work/c.wav" "$work/am.wav" "$work/f.wav" "$work/g.wav" "$work/music01.wav"
ogg "$work/music01.wav" "$demo/bgm/music01.ogg"

# Music 2: a brighter loop, faster (D, B minor, G, A), for the change with fades.
chord d D3 F#3 A3; chord bm B2 D3 F#3; chord g2 G3 B3 D4; chord a A2 C#3 E3
sox "$work/d.wav" "$work/bm.wav" "$work/g2.wav" "$work/a.wav" "$work/music02.wav" tempo 1.5
ogg "$work/music02.wav" "$demo/bgm/music02.ogg"

# A looping rain noise and a one-shot chime.
sox -n -r 22050 -c 1 "$work/rain.wav" synth 3 pinknoise lowpass 1200 gain -n -18
ogg "$work/rain.wav" "$demo/se/rain.ogg"
sox -n -r 22050 -c 1 "$work/chime.wav" synth 1.2 pluck A5 synth 1.2 pluck mix E6 gain -n -6 fade 0 1.2 0.8
ogg "$work/chime.wav" "$demo/se/chime.ogg"

# The voice line of Minji's first words.
espeak-ng -v ko -s 150 -w "$work/voice.wav" "앗, 여기 있었구나! 한참 찾았잖아."
sox "$work/voice.wav" "$work/voice-norm.wav" gain -n -3
ogg "$work/voice-norm.wav" "$demo/voice/minji01.ogg"

# The audio tests' short tone.
sox -n -r 22050 -c 1 "$work/beep.wav" synth 0.2 sine 880 gain -n -6
ogg "$work/beep.wav" tests/games/sound/beep.ogg

ls -l "$demo/bgm" "$demo/se" "$demo/voice" tests/games/sound
