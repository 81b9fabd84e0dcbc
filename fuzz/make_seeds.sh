#!/usr/bin/env bash
# Remakes the seed corpora in fuzz/corpus/ from the game's own data files,
# plus a few hand-written files for what the data never shows (odd tokens,
# counts out of range, indexes past the end). Run from anywhere after the
# data tree changes; commit the result.
#
# Loading the real pictures under the sanitizers takes about a second per
# fighter or stage, so each real seed also comes as a "small_" copy whose
# files are the tiny stand-ins in fuzz/data/ (same keys, same structure):
# the fuzzer mutates those at hundreds of inputs a second.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
corpus="$root/fuzz/corpus"
data=fuzz/data
cd "$root"

rm -rf "$corpus" "$data"
mkdir -p "$corpus"/{config_reader,animation_file,fighter_file,stage_file,colour_swap,settings,combo_step,replay_file} "$data"

/usr/bin/python3 - "$data" <<'PY'
import sys
from PIL import Image, ImageDraw
out = sys.argv[1]
GREEN = (0, 255, 0)
def picture(name, size, colour, box=None):
    image = Image.new("RGB", size, GREEN if box else colour)
    if box:
        ImageDraw.Draw(image).rectangle(box, fill=colour)
    image.save(f"{out}/{name}.png", optimize=False)
picture("frame_a", (24, 40), (200, 60, 40), (4, 2, 19, 39))
picture("frame_b", (32, 36), (255, 255, 255), (0, 6, 31, 35))
picture("band", (80, 48), (70, 90, 160))
picture("layer", (80, 48), (40, 120, 60), (0, 24, 79, 47))
picture("floor", (80, 8), (90, 80, 70))
PY

# An animation file with every picture replaced by a stand-in.
small_pictures() {
    sed -E 's#=rsrc/[^ ]*\.png#='"$data"'/frame_a.png#; s#(image[13579]=)'"$data"'/frame_a#\1'"$data"'/frame_b#'
}
small_pictures <game/fighter/lunet/signature.ini >"$data/move_a.ini"
small_pictures <game/fighter/lunet/air_kick.ini >"$data/move_b.ini"
sed -E 's#=rsrc/road/(band_far|sky)\.png#='"$data"'/band.png#; s#=rsrc/road/layer_[a-z]*\.png#='"$data"'/layer.png#; s#=rsrc/road/floor_road\.png#='"$data"'/floor.png#' \
    rsrc/road/bgset_road.ini >"$data/bgset.ini"

seed() {  # seed TARGET NAME < contents
    cat >"$corpus/$1/$2"
}

for file in game/game.ini game/fighter/lunet_swap.ini rsrc/road/bgset_road.ini rsrc/road/stage_road.ini; do
    seed config_reader "$(basename "$file")" <"$file"
done
printf 'a==b =x= y= == key=value=dropped last=unterminated' | seed config_reader odd_tokens
printf 'k%0600d=v\nkey=%0300d\n' 0 0 | seed config_reader long_tokens

for file in game/fighter/expl.ini game/fighter/loading.ini game/fighter/lunet/signature.ini \
            game/fighter/lunet/air_kick.ini game/fighter/halvard/knockdown.ini game/fighter/halvard/extra_a.ini; do
    name="$(basename "$(dirname "$file")")_$(basename "$file")"
    seed animation_file "$name" <"$file"
    small_pictures <"$file" | seed animation_file "small_$name"
done
printf 'images=3 loop=1\nimage0=%s/frame_a.png rate0=-5\nimage2=rsrc/missing.png\nimage1=game/game.ini rate1=99999999999\n' "$data" \
    | seed animation_file broken_frames
printf 'images=2147483647\nimage0=%s/frame_a.png\n' "$data" | seed animation_file huge_count

for file in game/fighter/*_char.ini; do
    seed fighter_file "$(basename "$file")" <"$file"
    sed -E 's#^(move[0-9]*[02468])=.*#\1='"$data"'/move_a.ini#; s#^(move[0-9]*[13579])=.*#\1='"$data"'/move_b.ini#; s#^(image[0-9]+)=.*#\1='"$data"'/frame_a.png#' \
        "$file" | seed fighter_file "small_$(basename "$file")"
done
printf 'hp=-1 scale=0 speed=0 moves=99999 move0=%s/frame_a.png images=-3 combos=2147483647\ncombo0moves=2147483647 combo0move=9 combo0move0=up\n' "$data" \
    | seed fighter_file huge_counts

{ cat rsrc/road/stage_road.ini; printf '\n%%%%\n'; cat rsrc/road/bgset_road.ini; } | seed stage_file road
{ cat rsrc/road/stage_road.ini; printf '\n%%%%\n'; cat "$data/bgset.ini"; } | seed stage_file small_road
{ printf 'length=4 floor=9 part0=-1 part1=4 part2=0 part2parallax=5 part2parallax1=77 part2parallax3=1 scale=1e300\n%%%%\n'
  printf 'width=-1 images=3 image0=%s/band.png image2=game/game.ini\n' "$data"; } | seed stage_file bad_indexes

seed colour_swap lunet_swap.ini <game/fighter/lunet_swap.ini
printf 'colors=300 color0source=255,255,255 color0target=-5,999,x color1source=1,2 color2source=0,255,0 color2target=0,0,0\n' \
    | seed colour_swap odd_colours

seed settings game.ini <game/game.ini
printf 'width=-5 height=100000 bpp=7 fps=1 hwaccel=1 fullscreen=1\n' | seed settings out_of_range
printf '\xef\xbb\xbfwidth=800 height=600 bpp=64 fps=2147483647\n' | seed settings marked_and_huge

# Combo inputs: a fighter byte, then (keys, milliseconds) pairs; keys are
# bits Left 1, Right 2, Up 4, Down 8, punch 16, kick 32, and 0xC0 with a
# combo number queues that combo.
for fighter in 0 1 2 3; do
    printf "\\x0$fighter\\x08\\x1e\\x0a\\x1e\\x02\\x1e\\x12\\x1e\\x00\\x1e\\x01\\x10\\x00\\x10\\x01\\x10\\x21\\x10\\x00\\x40" \
        | seed combo_step "quarter_turn_$fighter"
done
printf '\x00\xc0\x10\xc1\x00\xc5\xff\xff\x00\x04\x10\x00\x10\x04\x10\x00\xff' | seed combo_step queued

# Replay files without their closing checksum (the fuzz target adds it): a
# header, then frames of every kind: runs of steady frames, frames whose
# clock wobbles, and frames that change held controls, stick and clock.
/usr/bin/python3 - "$corpus/replay_file" <<'PY'
import struct, sys
out = sys.argv[1]
def text(value):
    return bytes([len(value)]) + value.encode()
def header(frames, fps=60, version=1, mode=4):
    return (b"QMREPLAY" + struct.pack("<H", version) + text("1.0.0") + bytes([mode, 3]) + text("lunet") +
            text("halvard") + struct.pack("<IHHHHBBQI", 12345, fps, 640, 480, 0, 1, 0, 0x1234, frames))
def varint(value):
    data = b""
    while value >= 0x80:
        data += bytes([(value & 0x7F) | 0x80])
        value >>= 7
    return data + bytes([value])
def seed(name, body):
    open(f"{out}/{name}", "wb").write(body + struct.pack("<Q", 0xABCDEF))
# 1 changed frame (both sides: held, stick, clock), 128 + 10 steady, 2 wobbling.
frames = (bytes([0xFF, 0x11, 0xFD, 0x03]) + varint(2 * 5000) + bytes([0x20, 0x00, 0x00]) + varint(2 * 5000) +
          bytes([0x7F, 0x09, 0x82, 0x81]))
seed("mixed_frames", header(1 + 128 + 10 + 2) + frames)
seed("steady_only", header(256) + bytes([0x7F, 0x7F]))
seed("no_frames", header(0))
seed("huge_count", header(0xFFFFFFFF) + bytes([0x7F]))
seed("other_version", header(1, version=2) + bytes([0x00]))
seed("odd_rate", header(3, fps=7) + bytes([0xC4]) + varint(0xFFFFFFFF) + bytes([0x01]))
PY
