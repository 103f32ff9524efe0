#!/usr/bin/env bash
# Renders the window icon from its SVG source into assets/window_icon.png.
# Needs rsvg-convert (Debian package librsvg2-bin). The game requires the PNG
# to be 8-bit RGBA, which is what rsvg-convert writes.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
rsvg-convert --width 128 --height 128 --format png \
    --output "$root/assets/window_icon.png" "$here/window_icon.svg"
