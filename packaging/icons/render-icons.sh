#!/bin/sh
# Renders the PNG icons from telvanor.svg. The PNGs are kept in the repository, so building
# needs none of this; run it again after changing the picture.
# Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert (imagemagick).
set -eu
cd "$(dirname "$0")"
# 16 and 24 pixels serve Windows alone, in the program's .ico.
for size in 16 24 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" telvanor.svg -o "telvanor-$size.png"
    convert "telvanor-$size.png" -strip "telvanor-$size.png"
done
# The program's own icon is 32 x 32 with at most 256 colours: an indexed PNG whose
# palette keeps the partly transparent edge colours.
rsvg-convert -w 32 -h 32 telvanor.svg -o telvanor-32.png
convert telvanor-32.png -dither None -colors 256 -strip telvanor-32.png
