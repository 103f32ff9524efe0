#!/usr/bin/env bash
# Renders the game icons from the SVG sources in tools/assets/icons/
# into assets/icons/icon_00.png .. icon_20.png (256 x 256, 8-bit RGBA).
#
# Every icon is drawn white on transparent, because the game tints icons and
# premultiplies their alpha; a soft dark halo (grown and blurred alpha) sits
# under the white so the icons stay legible over bright ground. The halo also
# shows through cut-outs, which turns them dark.
#
# Needs rsvg-convert (Debian package librsvg2-bin). Same sources and same
# rsvg-convert give the same bytes; the PNGs are committed, so building the
# game never runs this.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
sources="$here/icons"
out="$root/assets/icons"

# Index order is fixed by the game code: the position in this list is the
# icon's number.
icons=(
    arrow-back-up          # 00 undo, previous page
    refresh                # 01 reset the level
    menu-2                 # 02 open the menu
    volume                 # 03 sound on
    volume-3               # 04 sound off
    x                      # 05 close, back
    trash                  # 06 reset all progress
    info-circle            # 07 credits
    arrow-forward-up       # 08 next page
    door-exit              # 09 quit the game
    keyboard               # 10 controls screen
    pad-down               # 11 controller movement hint, first frame
    pad-right              # 12 controller movement hint, second frame
    arrow-keys-down        # 13 keyboard movement hint, first frame
    arrow-keys-right       # 14 keyboard movement hint, second frame
    key-tab                # 15 keyboard next-snake hint
    shoulder-rb            # 16 controller next-snake hint
    button-b               # 17 controller B prompt (undo)
    button-y               # 18 controller Y prompt (reset)
    back-button            # 19 controller Back prompt (leave the level)
    star                   # 20 a level's record equals its shortest solution (drawn for this game)
)

mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for i in "${!icons[@]}"; do
    name="${icons[$i]}"
    number="$(printf '%02d' "$i")"
    # The source svg element is nested whole inside a wrapper that sets the
    # colour and the halo filter; comments and XML declarations are dropped
    # so the nested document stays a plain element.
    {
        cat <<'EOF'
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 24 24">
  <defs>
    <filter id="halo" filterUnits="userSpaceOnUse" x="-2" y="-2" width="28" height="28"
            color-interpolation-filters="sRGB">
      <feMorphology in="SourceAlpha" operator="dilate" radius="0.65" result="grown" />
      <feGaussianBlur in="grown" stdDeviation="0.45" result="soft" />
      <feFlood flood-color="#000" flood-opacity="0.7" />
      <feComposite in2="soft" operator="in" result="shadow" />
      <feMerge>
        <feMergeNode in="shadow" />
        <feMergeNode in="SourceGraphic" />
      </feMerge>
    </filter>
  </defs>
  <g filter="url(#halo)" color="#fff">
EOF
        grep -v -e '^<?xml' -e '^<!--' "$sources/$name.svg"
        echo '  </g>'
        echo '</svg>'
    } >"$work/$number.svg"
    rsvg-convert --width 256 --height 256 --format png \
        --output "$out/icon_$number.png" "$work/$number.svg"
done
echo "Wrote ${#icons[@]} icons to $out"
