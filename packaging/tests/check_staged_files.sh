#!/usr/bin/env bash
# Checks an install staged under a folder (DESTDIR) as a desktop sees it: the
# expected files and no others (the asset licences among them), one identity
# across the desktop entry, the metainfo and the icons, icons of the sizes their folders claim, the entry's
# command installed, the newest release notes for the version being built,
# and screenshots that exist with the sizes the metainfo gives.
# Usage: check_staged_files.sh <staged-root> <app-id> <source-dir>
set -euo pipefail
root="${1:?usage: $0 <staged-root> <app-id> <source-dir>}"
id="${2:?}"
source_dir="${3:?}"
sizes=(16 22 24 32 48 64 128 256 512)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

desktop="usr/share/applications/$id.desktop"
metainfo="usr/share/metainfo/$id.metainfo.xml"
expected=(usr/bin/coilwend "$desktop" "$metainfo" "usr/share/icons/hicolor/scalable/apps/$id.svg"
    usr/share/doc/coilwend/{LICENSES.md,OFL.txt,LICENSE-tabler-icons.txt})
for size in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
actual="$(cd "$root" && find . -type f -printf '%P\n' | sort)"
wanted="$(printf '%s\n' "${expected[@]}" | sort)"
[[ "$actual" == "$wanted" ]] ||
    fail "installed files differ from the expected ones:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual"))"
[[ -x "$root/usr/bin/coilwend" ]] || fail "usr/bin/coilwend is not executable"
((status == 0)) || exit 1

desktop_key() { sed -n "s/^$1=//p" "$root/$desktop"; }
read -r command _ <<<"$(desktop_key Exec)"
[[ "$command" == coilwend ]] || fail "the desktop entry runs \"$command\", not the installed coilwend"
[[ "$(desktop_key TryExec)" == coilwend ]] || fail "TryExec does not name the installed coilwend"
[[ "$(desktop_key Icon)" == "$id" ]] || fail "the desktop entry's icon is \"$(desktop_key Icon)\", not $id"

metainfo_text() { sed -n "s:.*<$1[^>]*>\\(.*\\)</$1>.*:\\1:p" "$root/$metainfo"; }
[[ "$(metainfo_text id)" == "$id" ]] || fail "the metainfo's id is \"$(metainfo_text id)\""
[[ "$(metainfo_text launchable)" == "$id.desktop" ]] ||
    fail "the metainfo launches \"$(metainfo_text launchable)\", not $id.desktop"
[[ "$(metainfo_text binary)" == coilwend ]] || fail "the metainfo provides no coilwend binary"

version="$(tr -d '[:space:]' <"$source_dir/src/main/version.txt")"
newest="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/$metainfo" | head -n 1)"
[[ "$newest" == "$version" ]] ||
    fail "the newest release notes are for \"$newest\", the game is version $version"

# png_size <file>: "WIDTHxHEIGHT COLOURTYPE" from the header (6 is RGBA).
png_size() {
    local -a b
    read -r -a b <<<"$(od -An -tu1 -j16 -N10 "$1")"
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7])) ${b[9]}"
}
for size in "${sizes[@]}"; do
    icon="usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    [[ "$(png_size "$root/$icon")" == "${size}x$size 6" ]] ||
        fail "$icon is $(png_size "$root/$icon") (size and colour type), expected ${size}x$size 6"
done

screenshots=0
while read -r width height name; do
    screenshots=$((screenshots + 1))
    picture="$source_dir/docs/screenshots/$name"
    if [[ ! -f "$picture" ]]; then
        fail "the metainfo shows $name, which docs/screenshots lacks"
    elif [[ "$(png_size "$picture")" != "${width}x$height "* ]]; then
        fail "docs/screenshots/$name is $(png_size "$picture"), the metainfo says ${width}x$height"
    fi
done < <(sed -n 's:.*<image[^>]* width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*:\1 \2 \3:p' \
    "$root/$metainfo")
((screenshots >= 2)) || fail "the metainfo shows $screenshots screenshots, expected a level and the map"

((status == 0)) && echo "PASS"
exit "$status"
