#!/usr/bin/env bash
# Regenerates the sample-dial pictures of the desktop program's gallery
# (resources/gallery/*.jpg) from our own constructions: lumtar-cli draws
# each sample as a true-size SVG, ImageMagick turns it into a JPEG of at
# most 600 x 600 pixels on white. The pictures are committed, so a build
# never runs this script.
#
#   tools/make_gallery.sh [build-dir]      (default: build)
#
# Needs: a built lumtar-cli, and ImageMagick's convert with SVG support
# (Debian: imagemagick, librsvg2-bin).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli="$root/${1:-build}/src/cli/lumtar-cli"
out="$root/resources/gallery"
[ -x "$cli" ] || { echo "no lumtar-cli at $cli (run make build)" >&2; exit 1; }
command -v convert >/dev/null || { echo "ImageMagick convert is missing" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

# name | settings (NAME=VALUE words for --set). The order is the order of
# the gallery and its slide show; the first two are the front pictures.
samples=(
  "vertical_declining|DialKind=v ShowBabylonianHours=true ShowItalianHours=true"
  "horizontal|DialKind=h ShowAnalemmaMarks=false"
  "vertical_south|DialKind=v WallDeclination=0"
  "vertical_east|DialKind=v WallDeclination=-60 ShowAnalemmaMarks=false"
  "vertical_west_mean_time|DialKind=v WallDeclination=45 ShowMeanHourLines=true ShowHourLines=false"
  "reclining|DialKind=i Inclination=60 WallDeclination=20"
  "horizontal_altitude_lines|DialKind=h ShowAltitudeLines=true ShowAnalemmaMarks=false"
  "horizontal_temporal|DialKind=h ShowTemporalHours=true ShowAnalemmaMarks=false"
  "horizontal_sydney|DialKind=h Latitude=-33.87 Longitude=-151.21 ZoneMeridian=-150"
  "umbrella_horizontal|DialKind=h UmbrellaFlag=1"
  "umbrella_vertical|DialKind=v UmbrellaFlag=1 WallDeclination=0"
)

for s in "${samples[@]}"; do
  name=${s%%|*}
  sets=()
  for kv in ${s#*|}; do sets+=(--set "$kv"); done
  "$cli" draw --format svg -o "$tmp/$name.svg" "${sets[@]}"
  # Crop to the drawing, thicken its hair lines, fit it into 600 x 600
  # with a white margin (landscape drawings stay landscape).
  convert -density 120 -background white "$tmp/$name.svg" -flatten -trim \
    +repage -morphology Erode Disk:1.5 -resize 580x580 -bordercolor white \
    -border 10 \
    -strip -quality 88 "$out/$name.jpg"
  echo "$out/$name.jpg"
done
