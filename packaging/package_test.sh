#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with dpkg-buildpackage from a clean copy of the
# source tree (what git tracks, and new files it does not ignore; no build
# folders) in a temporary folder, runs lintian on it, and checks its files, its
# control fields, its desktop and AppStream entries and its copyright file.
#   package_test.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
checks=0
fail() { echo "FAIL: $*" >&2; exit 1; }
ok() { checks=$((checks + 1)); }

tree=$tmp/vorandel-$version
mkdir "$tree"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
        | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done \
        | tar --null -T - -cf -) | tar -xf - -C "$tree"
else
    tar -C "$source_dir" --exclude='./build*' --exclude='./obj-*' --exclude=./.git -cf - . | tar -xf - -C "$tree"
fi
[ ! -e "$tree/build" ] && [ -x "$tree/debian/rules" ] || fail "the copy of the source tree in $tree is not clean"
ok

# The changelog's upstream version is the program's.
[ "$(cd "$tree" && dpkg-parsechangelog -S Version)" = "$version-1" ] \
    || fail "debian/changelog says $(cd "$tree" && dpkg-parsechangelog -S Version), the program $version"
ok

arch=$(dpkg --print-architecture)
if ! (cd "$tree" && DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2} \
        dpkg-buildpackage -us -uc -b >"$tmp/build.log" 2>&1); then
    tail -n 60 "$tmp/build.log" >&2
    fail "dpkg-buildpackage did not build the package (the log's end above)"
fi
deb=$tmp/vorandel_${version}-1_${arch}.deb
changes=$tmp/vorandel_${version}-1_${arch}.changes
[ -f "$deb" ] && [ -f "$changes" ] || fail "no $deb or .changes; the build made: $(ls "$tmp")"
ok

# lintian, on the .changes (which takes in the .deb and the .buildinfo):
# no warning and no error; the overrides in debian/ say why each is there.
if ! lintian --fail-on warning --display-info "$changes" >"$tmp/lintian.log" 2>&1; then
    cat "$tmp/lintian.log" >&2
    fail "lintian finds warnings or errors"
fi
cat "$tmp/lintian.log"
ok

# Exactly these files, nothing else (folders aside).
expected=(
    ./usr/bin/vorandel
    ./usr/share/applications/vorandel.desktop
    ./usr/share/icons/hicolor/scalable/apps/vorandel.svg
    ./usr/share/metainfo/ee.vorandel.vorandel.metainfo.xml
    ./usr/share/doc/vorandel/copyright
    ./usr/share/doc/vorandel/changelog.Debian.gz
    ./usr/share/man/man1/vorandel.1.gz
    ./usr/share/man/et/man1/vorandel.1.gz
    ./usr/share/bash-completion/completions/vorandel
    ./usr/share/vorandel/translations/qt_et.qm
    ./usr/share/lintian/overrides/vorandel
    "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/vorandel/vorandel_yearview.so"
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
# The year overview's module, loaded from the program's ../lib/<triplet>/vorandel.
grep -Eq '^-rw.r-.r-. .* \./usr/lib/[^/]+/vorandel/vorandel_yearview\.so$' <<<"$listing" \
    || fail "usr/lib/<triplet>/vorandel/vorandel_yearview.so is missing or has odd permissions"
ok

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vorandel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
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
# Hints (I:, P:) allowed, each with its reason; any other fails. The entry
# names no home page and no screenshot: the project has no web address of its
# own to put there. Debian 12's validator asks for neither; newer ones hint
# url-homepage-missing.
allowed_hints=(url-homepage-missing)
while read -r level _ tag _; do
    case $level in
    I: | P:) [[ " ${allowed_hints[*]} " == *" $tag "* ]] || fail "appstreamcli: $level $tag" ;;
    esac
done <"$tmp/appstream.log"
ok
! grep -Eq 'https?://|<url |@' "$metainfo" || fail "the AppStream entry names an address"
ok
for pattern in '<id>ee\.vorandel\.vorandel</id>' '<launchable type="desktop-id">vorandel\.desktop</launchable>' \
               '<release version="'"${version//./\\.}"'"' '<content_rating type="oars-' \
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
