#!/usr/bin/env bash
# Builds the Debian package and checks it as a fresh system would meet it: unpacked into a
# temporary root, every file in its place, the desktop entry, AppStream data and the package
# itself validated, the unpacked program answering --version and extracting the example.
set -euo pipefail
cd "$(dirname "$0")/.."
deb="$(bash scripts/package.sh | tail -n1)"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
version="$(dpkg-deb -f "$deb" Version)"
[ "$(basename "$deb")" = "rastfang_${version}_amd64.deb" ] || fail "unexpected name $(basename "$deb")"
for dep in qt6-translations-l10n fonts-dejavu-core libqt6widgets6; do
    dpkg-deb -f "$deb" Depends | grep -q "$dep" || fail "Depends lacks $dep"
done

id=de.tesmarin.Rastfang
for f in usr/bin/rastfang \
    usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/rastfang.svg \
    usr/share/man/man1/rastfang.1.gz \
    usr/share/doc/rastfang/copyright \
    usr/share/doc/rastfang/changelog.gz \
    usr/share/doc/rastfang/Bedienung.md \
    usr/share/doc/rastfang/screenshots/hauptfenster.png \
    usr/share/doc/rastfang/examples/berufsschule_ergebnisse.xlsx; do
    [ -s "$root/$f" ] || fail "missing or empty: /$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/rastfang.png"
    file -b "$png" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file -b "$png")"
done
file -b "$root/usr/bin/rastfang" | grep -q ", stripped" || fail "binary not stripped"
grep -q "^MimeType=.*application/vnd.ms-excel;" "$root/usr/share/applications/$id.desktop" \
    || fail "desktop entry lacks the .xls type"
! dpkg-deb -c "$deb" | grep -q lintian || fail "the package carries lintian overrides"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
lintian --tag-display-limit 0 "$deb" | tee "$root/lintian.txt"
! grep -q "^E:" "$root/lintian.txt" || fail "lintian reports errors"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/rastfang.1.gz" \
    >/dev/null 2>"$root/man.txt" || true
[ ! -s "$root/man.txt" ] || fail "manual page: $(cat "$root/man.txt")"

# The unpacked program runs without a display, from a folder of its own.
bin="$root/usr/bin/rastfang"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" --version | grep -qx "rastfang $version" \
    || fail "--version does not say $version"
out="$root/aus gabe [1].xlsx"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$root/config" \
    "$bin" extract "$root/usr/share/doc/rastfang/examples/berufsschule_ergebnisse.xlsx" "$out" \
    --name C --datenfilter B --filterwert IHK >"$root/summary.txt"
grep -q "FI-23a  *4" "$root/summary.txt" && grep -q "KA-23b  *2" "$root/summary.txt" \
    || fail "extract summary: $(cat "$root/summary.txt")"
[ -s "$out" ] || fail "extract wrote no output"
echo "check-package: $(basename "$deb") is fine"
