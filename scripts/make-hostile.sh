#!/usr/bin/env bash
# Writes the hostile pictures of tests/data/hostile/: broken, lying or
# oversized files that a note must survive. Needs python3 and ImageMagick.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/tests/data/hostile"
mkdir -p "$out"
cd "$out"
convert -size 640x480 gradient:red-blue -quality 90 whole.jpg
head -c 3000 whole.jpg >truncated.jpg
convert -size 640x480 gradient:red-blue whole.png
head -c 2000 whole.png >truncated.png
rm whole.jpg whole.png
: >empty.png
printf 'this is not a picture\n' >text.jpg
convert -size 1x1 xc:red -duplicate 999 -loop 0 frames.gif
# A valid PNG header claiming 100000 x 100000 pixels, followed by no image data.
python3 - <<'PY'
import struct, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
header = struct.pack(">IIBBBBB", 100000, 100000, 8, 6, 0, 0, 0)
open("bomb.png", "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b""))
PY
ls -la

# The same red and white picture in every depth the loader reads, for the
# test that pictures shown smaller look like a plain scale of them.
mkdir -p ../depths && cd ../depths
picture=(-size 400x300 xc:white -fill red -draw "rectangle 0,0,199,299")
for depth in 1 2 4 8; do
    convert "${picture[@]}" -define png:bit-depth=$depth -define png:color-type=3 palette-$depth.png
done
convert "${picture[@]}" -colorspace gray -define png:bit-depth=8 -define png:color-type=0 grey-8.png
convert "${picture[@]}" -colorspace gray -define png:bit-depth=16 -define png:color-type=0 grey-16.png
convert "${picture[@]}" -define png:bit-depth=16 -define png:color-type=2 rgb-16.png
convert "${picture[@]}" -alpha set -channel A -evaluate set 60% +channel -define png:color-type=6 rgba-8.png
ls -la
