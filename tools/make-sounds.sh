#!/usr/bin/env bash
# Synthesises the three sound clips with sox and encodes them as WMA v2 with
# ffmpeg, writing assets/sounds/{correct,wrong,complete}.wma.
set -euo pipefail
cd "$(dirname "$0")/../assets"
mkdir -p sounds
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# correct: a short bright two-note chime
sox -n -r 44100 -c 1 "$tmp/a.wav" synth 0.18 sine 1318.5 fade q 0.005 0.18 0.12 vol 0.6
sox -n -r 44100 -c 1 "$tmp/b.wav" synth 0.42 sine 1760 fade q 0.005 0.42 0.35 vol 0.6
sox "$tmp/a.wav" "$tmp/b.wav" "$tmp/correct.wav"

# wrong: a short low buzz
sox -n -r 44100 -c 1 "$tmp/wrong.wav" synth 0.45 square 110 square 116.5 fade q 0.01 0.45 0.08 vol 0.35

# complete: a rising fanfare, under three seconds
notes=(523.25 659.25 783.99 1046.5)
lengths=(0.22 0.22 0.22 1.2)
parts=()
for k in 0 1 2 3; do
  sox -n -r 44100 -c 1 "$tmp/n$k.wav" synth "${lengths[$k]}" sawtooth "${notes[$k]}" sine "$(echo "${notes[$k]} * 2" | bc -l)" \
    fade q 0.01 "${lengths[$k]}" 0.08 lowpass 3000 vol 0.4
  parts+=("$tmp/n$k.wav")
done
sox "${parts[@]}" "$tmp/complete.wav" reverb 30

# A WMA decoder gives nothing for the first frame it reads (2048 samples at
# 44.1 kHz): each clip starts with that much silence, so that what it
# decodes to is the whole clip.
for clip in correct wrong complete; do
  sox "$tmp/$clip.wav" "$tmp/$clip-padded.wav" pad 2048s
  ffmpeg -loglevel error -y -i "$tmp/$clip-padded.wav" -map_metadata -1 -fflags +bitexact -flags:a +bitexact \
    -c:a wmav2 -b:a 96k "sounds/$clip.wma"
  echo "wrote assets/sounds/$clip.wma ($(soxi -D "$tmp/$clip.wav") s)"
done
