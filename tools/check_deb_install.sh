#!/usr/bin/env bash
# Installs the game's .deb with apt into a fresh, minimal Debian 12 root and
# starts it there the way the desktop menu does: the command of the installed
# desktop entry, shown on a private Xvfb of this machine whose socket is
# bind-mounted into the root. Passes when the game's log reaches the map
# ("Overworld ready"). Only the package and what apt pulls in for it are
# installed in the root, so a missing dependency shows as a failed start.
#
# Needs root (debootstrap, chroot, mounts), the network (Debian's mirror) and
# a few minutes; not part of the test suite for those reasons.
#
# Usage: tools/check_deb_install.sh [path/to/coilwend_*.deb]
#   Without an argument, builds build-release/ and packs it with CPack first.
# Environment:
#   DEB12_MIRROR  Debian mirror (default http://deb.debian.org/debian)
#   DEB12_BASE    an untouched `debootstrap --variant=minbase bookworm` folder
#                 to copy instead of bootstrapping anew (saves the download)
#   KEEP_ROOT=1   leave the root in place afterwards
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mirror="${DEB12_MIRROR:-http://deb.debian.org/debian}"
((EUID == 0)) || { echo "Run as root: debootstrap, chroot and mount need it" >&2; exit 1; }
for tool in debootstrap Xvfb; do
    command -v "$tool" >/dev/null || { echo "Missing $tool (Debian packages debootstrap, xvfb)" >&2; exit 1; }
done

deb="${1:-}"
if [[ -z "$deb" ]]; then
    build="$repo/build-release"
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCOILWEND_TESTS=OFF -DCOILWEND_BENCH=OFF
    cmake --build "$build" --target coilwend
    (cd "$build" && cpack -G DEB)
    deb="$(ls -t "$build"/coilwend_*.deb | head -n 1)"
fi
[[ -f "$deb" ]] || { echo "No package at $deb" >&2; exit 1; }
deb="$(realpath "$deb")"

work="$(mktemp -d /tmp/coilwend-deb12.XXXXXX)"
root="$work/root"
xvfb_pid=""
game_pid=""
mounted=()
cleanup() {
    local status=$?
    [[ -n "$game_pid" ]] && kill -KILL "$game_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
    if [[ "${KEEP_ROOT:-0}" == 1 ]]; then
        echo "The root stays in $root"
    else
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
step() { echo "== $*"; }

if [[ -n "${DEB12_BASE:-}" ]]; then
    step "Copying the minimal Debian 12 root from $DEB12_BASE"
    cp -a "$DEB12_BASE" "$root"
else
    step "Bootstrapping a minimal Debian 12 root from $mirror"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -n 20 "$work/debootstrap.log" >&2; exit 1; }
fi
grep -q '^12\.' "$root/etc/debian_version" || { echo "Not a Debian 12 root" >&2; exit 1; }

mount_into() { # mount_into <target inside root> <mount arguments...>
    [[ -e "$root$1" ]] || mkdir -p "$root$1"
    mount "${@:2}" "$root$1"
    mounted+=("$root$1")
}
mount_into /proc -t proc proc
mount_into /dev --bind /dev
mount_into /dev/pts --bind /dev/pts
cp /etc/resolv.conf "$root/etc/resolv.conf"

step "Installing $(basename "$deb") with apt"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
in_root apt-get update -q
# As a player would: apt with the package's path, recommended packages too.
in_root env DEBIAN_FRONTEND=noninteractive apt install -y -q "/tmp/$(basename "$deb")"
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' coilwend

desktop="$(in_root dpkg -L coilwend | grep '^/usr/share/applications/.*\.desktop$')"
command="$(sed -n 's/^Exec=//p' "$root$desktop")"
[[ -n "$command" ]] || { echo "No Exec line in $desktop" >&2; exit 1; }
step "The menu entry $desktop runs: $command"

step "Starting it on a private Xvfb"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 300); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; exit 1; }
display="$(head -n 1 "$work/display")"
mkdir -p "$root/tmp/.X11-unix"
touch "$root/tmp/.X11-unix/X$display"
mount_into "/tmp/.X11-unix/X$display" --bind "/tmp/.X11-unix/X$display"

log="$work/game.log"
# As a desktop would: the Exec line through a shell, in a new user's home.
chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/root \
    DISPLAY=":$display" SDL_AUDIODRIVER=dummy /bin/sh -c "cd && exec $command" >"$log" 2>&1 </dev/null &
game_pid=$!
started=0
for _ in $(seq 1800); do # polls for up to three minutes
    if grep -qxF "Overworld ready" "$log"; then started=1; break; fi
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
cat "$log"
if ((started == 0)); then
    echo "FAIL: the installed game did not reach the map" >&2
    exit 1
fi
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
((status == 0)) || { echo "FAIL: exit status $status after SIGTERM" >&2; exit 1; }
[[ -s "$root/root/.local/share/kesp/coilwend/log" ]] ||
    { echo "FAIL: no log in the player's preferences folder" >&2; exit 1; }
echo "PASS: $(basename "$deb") installs with apt in Debian $(cat "$root/etc/debian_version") and its menu entry starts the game"
