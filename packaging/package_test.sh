#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree into a temporary folder and checks
# its files, its control fields and its desktop entry.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
checks=0
fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { checks=$((checks + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    fail "cpack did not build the package"
fi
deb=$tmp/out/vorandel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb; cpack made: $(ls "$tmp/out")"
ok

# Exactly these files, nothing else (folders aside).
expected=(
    ./usr/bin/vorandel
    ./usr/share/applications/vorandel.desktop
    ./usr/share/icons/hicolor/scalable/apps/vorandel.svg
    ./usr/share/metainfo/ee.vorandel.vorandel.metainfo.xml
    ./usr/share/doc/vorandel/copyright
    ./usr/lib/vorandel/vorandel_yearview.so
)
sizes=(16 24 32 48 64 128 256)
for s in "${sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/${s}x${s}/apps/vorandel.png")
done
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ {print $6}' <<<"$listing" | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
    fail "the package's files differ from the list above (< wanted, > in the package)"
fi
ok
grep -Eq '^-rwxr-xr-x .* \./usr/bin/vorandel$' <<<"$listing" || fail "usr/bin/vorandel is not executable"
ok
# The year overview's module, loaded from the program's ../lib/vorandel.
grep -Eq '^-rw.r-.r-. .* \./usr/lib/vorandel/vorandel_yearview\.so$' <<<"$listing" \
    || fail "usr/lib/vorandel/vorandel_yearview.so is missing or has odd permissions"
ok

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vorandel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = science ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
checks=$((checks + 5))
depends=$(field Depends)
for p in libqt6widgets6 libqt6gui6 libqt6core6 libqt6charts6 libqt6svg6 libqt6printsupport6 liberfa1 fonts-liberation fonts-dejavu-core libc6; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
    ok
done
# Only what the program loads: qt6-qpa-plugins holds the VNC and TUIO plugins,
# never used; the xcb plugin comes with libqt6gui6.
! grep -Eq "(^|, )qt6-qpa-plugins( |,|$)" <<<"$depends" || fail "Depends names qt6-qpa-plugins: $depends"
ok

# The files themselves.
dpkg-deb -x "$deb" "$tmp/root"
desktop=$tmp/root/usr/share/applications/vorandel.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
ok
for line in 'Type=Application' 'Name=Vorandel' 'Exec=vorandel' 'Icon=vorandel' \
            'Categories=Education;Science;Astronomy;' 'GenericName=Päikesetõus ja -loojang'; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks the line $line"
    ok
done
grep -q '^Comment=.' "$desktop" || fail "desktop entry has no Comment"
ok
file -b "$tmp/root/usr/bin/vorandel" | grep -q '^ELF .* executable' \
    || file -b "$tmp/root/usr/bin/vorandel" | grep -q '^ELF .* pie executable' \
    || fail "usr/bin/vorandel: $(file -b "$tmp/root/usr/bin/vorandel")"
ok
# The packaged program answers on its command line without any display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$tmp/root/usr/bin/vorandel" --version)" = "Vorandel $version" ] \
    || fail "usr/bin/vorandel --version does not say Vorandel $version"
ok
for s in "${sizes[@]}"; do
    png=$tmp/root/usr/share/icons/hicolor/${s}x${s}/apps/vorandel.png
    file -b "$png" | grep -q "^PNG image data, $s x $s, 8-bit/color RGBA" \
        || fail "${s}x${s} icon: $(file -b "$png")"
    ok
done
file -b "$tmp/root/usr/share/icons/hicolor/scalable/apps/vorandel.svg" | grep -q 'SVG' || fail "the scalable icon is no SVG"
ok

# The software-centre entry: valid AppStream, and it launches the menu entry.
metainfo=$tmp/root/usr/share/metainfo/ee.vorandel.vorandel.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" >"$tmp/appstream.log" 2>&1 \
    || { cat "$tmp/appstream.log" >&2; fail "appstreamcli rejects the AppStream entry"; }
ok
for pattern in '<id>ee\.vorandel\.vorandel</id>' '<launchable type="desktop-id">vorandel\.desktop</launchable>' \
               '<release version="'"${version//./\\.}"'"' '<content_rating type="oars-' '<screenshot ' \
               '<project_license>GPL-3\.0-or-later</project_license>'; do
    grep -Eq "$pattern" "$metainfo" || fail "AppStream entry lacks $pattern"
    ok
done

# The machine-readable copyright file (DEP-5): parsed strictly, and every
# installed file is covered by GPL-3+.
/usr/bin/python3 - "$tmp/root/usr/share/doc/vorandel/copyright" <<'PY' || fail "the copyright file is no valid DEP-5 file"
import sys
import debian.copyright as dep5
with open(sys.argv[1], encoding="utf-8") as f:
    c = dep5.Copyright(f, strict=True)
for path in ("usr/bin/vorandel", "usr/share/applications/vorandel.desktop"):
    para = c.find_files_paragraph(path)
    assert para is not None and para.license.synopsis == "GPL-3+", path
PY
ok

echo "$(basename "$deb"): $checks checks"
