#!/usr/bin/env bash
# check-install.sh BUILD APP_ID
# Installs the build into a temporary prefix and checks what a desktop and a player find
# there: both programs, a desktop entry and AppStream metainfo that pass their validators and
# point at the installed game, the icon at every size of the theme, the man pages, and the
# licence: GPL-3.0-or-later in the metainfo and in the machine-readable copyright file.
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d) stripped=$(mktemp -d)
trap 'rm -rf "$prefix" "$stripped"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
# A stripped install, as the package has it.
cmake --install "$build" --prefix "$stripped" --strip >/dev/null

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

for program in tabloo tabloo-cli; do
    [ -x "$prefix/games/$program" ] || fail "games/$program is not installed"
done
"$prefix/games/tabloo-cli" deal 123 | grep -qx 'home 0: 8D 9C TH KS 9D 4D 4C' || fail "the installed tabloo-cli deals wrong"

# Stripped as Debian strips: no section that only names the compiler. Built with Debian's
# hardening flags when the build says so: bound at load, fortified functions in use.
hardened=0
grep -qx 'TABLOO_DEBIAN_FLAGS:BOOL=ON' "$build/CMakeCache.txt" && hardened=1
for program in tabloo tabloo-cli; do
    file=$stripped/games/$program
    sections=$(readelf -S -W "$file") dynamic=$(readelf -d "$file") symbols=$(readelf --dyn-syms -W "$file")
    grep -Eq ' \.(comment|note|symtab) ' <<<"$sections" && fail "the stripped $program keeps .comment, .note or .symtab"
    if [ "$hardened" -eq 1 ]; then
        grep -q 'BIND_NOW' <<<"$dynamic" || fail "$program is not bound at load (-z now)"
        grep -Eq '__[a-z]+_chk@' <<<"$symbols" || fail "$program uses no fortified function"
    fi
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refuses $metainfo"
grep -qx "Exec=$prefix/games/tabloo" "$desktop" || fail "the desktop entry does not start the installed game"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo does not give the game's licence, GPL-3.0-or-later"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || fail "the metainfo's own licence is not CC0-1.0"

copyright=$prefix/share/doc/tabloo/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$copyright is not a machine-readable copyright file"
grep -qx 'License: GPL-3+' "$copyright" || fail "$copyright does not give the licence GPL-3+"

for size in 16 22 24 32 48 64 128 256 512; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    # A PNG holds its width and height, big-endian, at bytes 16 to 23.
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null || echo 0 0)
    [ "$width $height" = "$size $size" ] || fail "$png is ${width}x$height, not ${size}x$size"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
grep -q 'viewBox="0 0 256 256"' "$svg" && ! grep -q '<image' "$svg" || fail "$svg is not a vector picture"

for page in tabloo tabloo-cli; do
    man=$prefix/share/man/man6/$page.6.gz
    warnings=$(zcat "$man" | groff -man -ww -z 2>&1) || fail "$man is not a readable man page"
    [ -z "$warnings" ] || fail "$man: $warnings"
done

[ "$failed" -eq 0 ] && echo "installed into a prefix: programs, desktop entry, metainfo, icons, man pages, licence"
exit "$failed"
