#!/usr/bin/env bash
# Renders kavrena.svg into the PNG sizes the desktops ask for and the Windows .ico.
# Run by hand after changing the SVG (needs Debian's librsvg2-bin and imagemagick); the
# results are committed, so a build never needs either.
set -euo pipefail
cd "$(dirname "$0")"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" kavrena.svg -o "kavrena-$size.png"
done
convert kavrena-16.png kavrena-24.png kavrena-32.png kavrena-48.png kavrena-64.png \
    kavrena-256.png kavrena.ico
