#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the flag of every state named in the prepared JSON from the public
# domain SVGs of svg-country-flags into assets/flags/<code>.gif: at most
# 120 x 60 pixels, aspect kept, 64 colours, no dither, metadata stripped.
# A double-size copy for screens scaled above 100 %, at most 240 x 120 by the
# same rules, goes into assets/flags2x/<code>.gif.
# Usage: flags.sh PREPARED.json ASSETS_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
json=$1
out=$2/flags
out2x=$2/flags2x
mkdir -p "$out" "$out2x"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for code in $(node -e 'for (const s of require(process.argv[1]).states) console.log(s.code.toLowerCase())' "$(realpath "$json")"); do
  svg=$here/node_modules/svg-country-flags/svg/$code.svg
  [ -f "$svg" ] || { echo "no flag for $code" >&2; exit 1; }
  rsvg-convert -h 240 "$svg" -o "$tmp/$code.png"
  /usr/bin/convert "$tmp/$code.png" -background white -alpha remove -resize '120x60>' \
    +dither -colors 64 -strip "$out/$code.gif"
  # Rendered from the SVG at twice the height, so the large copy is sampled
  # down as far as the small one.
  rsvg-convert -h 480 "$svg" -o "$tmp/$code@2x.png"
  /usr/bin/convert "$tmp/$code@2x.png" -background white -alpha remove -resize '240x120>' \
    +dither -colors 64 -strip "$out2x/$code.gif"
done
