#!/usr/bin/env bash
# Renders the window icon from its SVG source: assets/window_icon.png, which
# the game embeds, and the desktop icons in the hicolor theme's sizes that
# installing puts in share/icons (packaging/icons/<size>.png). The build uses
# the committed PNGs, so it needs no SVG renderer.
# Needs rsvg-convert (Debian package librsvg2-bin). The game requires its PNG
# to be 8-bit RGBA, which is what rsvg-convert writes.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
render() { rsvg-convert --width "$1" --height "$1" --format png --output "$2" "$here/window_icon.svg"; }
render 128 "$root/assets/window_icon.png"
mkdir -p "$root/packaging/icons"
for size in 16 22 24 32 48 64 128 256 512; do
    render "$size" "$root/packaging/icons/$size.png"
done
