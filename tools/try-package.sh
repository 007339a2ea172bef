#!/usr/bin/env bash
# tools/try-package.sh: tries the Debian package the way a new player would, on a clean
# Debian 12. It builds tabloo_*.deb, puts a minimal Debian 12 (bookworm) into a temporary
# folder with debootstrap, installs the package there with `apt install ./tabloo_*.deb` (apt
# fetches what it depends on), looks for the menu entry and the icon where a desktop's menu
# looks, and starts tabloo-cli and the window as a new user, offscreen and on an X server
# (Xvfb, whose screen it keeps as build/try-package-screen.xwd). Run it as root; it takes a few
# minutes and fetches about 150 MB from the Debian mirror that apt uses here.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages debootstrap dpkg-dev

echo "== building the package"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTABLOO_GUI=ON >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
rm -f build/tabloo_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/tabloo_*_amd64.deb)
[ -f "$deb" ] || { echo "no package was made"; exit 1; }
echo "$deb: $(dpkg-deb -f "$deb" Package Version Section Depends | tr '\n' ' ')"

root=$(mktemp -d /tmp/tabloo-bookworm.XXXXXX)
chmod 755 "$root" # the system's / : every user passes through it
cleanup() {
    # Processes started in the chroot may still be ending (Xvfb); give them a few seconds.
    for m in "$root/proc" "$root/dev/pts" "$root/dev"; do
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            mountpoint -q "$m" || break
            umount "$m" 2>/dev/null || sleep 1
        done
    done
    # Never delete through a mount that is still there.
    if grep -q " $root/" /proc/mounts; then
        echo "left $root: still mounted"
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT

mirror=$(apt-get indextargets --format '$(REPO_URI) $(CODENAME)' | awk '$2 == "bookworm" { print $1; exit }')
mirror=${mirror:-http://deb.debian.org/debian/}
echo "== debootstrap bookworm from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt install ./$(basename "$deb")"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt install -y -q "./tmp/$(basename "$deb")" 2>&1 |
    grep -E "newly installed|^Setting up tabloo" || true

failed=0
check() { # check WHAT TEST...
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failed=1; fi
}
entry=/usr/share/applications/org.tabloo.tabloo.desktop
check "menu entry $entry" test -f "$root$entry"
exec_line=$(grep '^Exec=' "$root$entry" 2>/dev/null | cut -d= -f2-)
check "the entry starts $exec_line, which is there" test -x "$root$exec_line"
for icon in 16x16/apps/org.tabloo.tabloo.png 48x48/apps/org.tabloo.tabloo.png scalable/apps/org.tabloo.tabloo.svg; do
    check "icon /usr/share/icons/hicolor/$icon" test -s "$root/usr/share/icons/hicolor/$icon"
done
check "metainfo /usr/share/metainfo/org.tabloo.tabloo.metainfo.xml" test -s "$root/usr/share/metainfo/org.tabloo.tabloo.metainfo.xml"
check "man pages tabloo(6), tabloo-cli(6)" test -s "$root/usr/share/man/man6/tabloo.6.gz" -a -s "$root/usr/share/man/man6/tabloo-cli.6.gz"

echo "== as a new user: tabloo-cli deal 1"
in_root useradd -m player
as_player() { chroot "$root" su - player -c "$1"; }
as_player 'tabloo-cli deal 1' | head -4 || true
check "tabloo-cli is on the player's PATH and deals" as_player 'tabloo-cli deal 1 | grep -q "^home 0:"'

echo "== as a new user: the window, offscreen, for 6 seconds"
status=0
as_player 'QT_QPA_PLATFORM=offscreen timeout 6 tabloo' || status=$?
check "the window ran until stopped (timeout's 124; got $status)" test "$status" -eq 124
ini=/home/player/.config/Tabloo/Tabloo.ini
check "the window got past the splash and wrote $ini" test -s "$root$ini"
[ -s "$root$ini" ] && sed 's/^/    /' "$root$ini"

echo "== as a new user with an X server (Xvfb): the window for 5 seconds"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null
rm -f "$root/tmp/screen.xwd"
x_run='tabloo & pid=$!; sleep 5; cp /tmp/Xvfb_screen0 /tmp/screen.xwd; kill -0 $pid && kill $pid && echo running'
x_said=$(as_player "xvfb-run -a -s '-screen 0 1280x960x24 -fbdir /tmp' sh -c '$x_run'" 2>&1 || true)
echo "$x_said" | sed 's/^/    /'
check "the window was still running on X after 5 seconds" grep -qx running <<<"$x_said"
if [ -s "$root/tmp/screen.xwd" ]; then
    cp "$root/tmp/screen.xwd" build/try-package-screen.xwd
    echo "    the screen then: build/try-package-screen.xwd"
fi

[ "$failed" -eq 0 ] && echo "== the package installs and runs on a clean Debian 12" || echo "== FAILED"
exit "$failed"
