#!/usr/bin/env bash
# The Debian package of this build, as Debian and a person meet it: CPack makes it, lintian
# finds nothing to report but notes, its control data names what it needs, it holds exactly
# the files below, it installs into a throw-away root with dpkg, the installed program
# starts offscreen for a person whose home is empty, and removing the package takes every
# installed file and leaves the person's data alone.
#   check-package.sh BUILD_DIR VERSION
set -euo pipefail
build=${1:?build folder}
version=${2:?version}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(echo "$work"/out/mirtal_*.deb)
[ -f "$deb" ] || fail "no package in $work/out"

# Errors and warnings fail; pedantic notes and information are printed only.
lintian --fail-on error,warning --display-info --pedantic "$deb" ||
  fail "lintian reports errors or warnings"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = mirtal ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
depends=$(field Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6 \
  libsqlcipher0; do
  [[ ",$depends," =~ [,\ ]${needed}[\ ,] ]] || fail "Depends lacks $needed: $depends"
done
[[ ! $depends =~ -dev ]] || fail "Depends names a development package: $depends"

expected=$(
  cat <<'FILES'
./usr/bin/mirtal
./usr/share/applications/io.github.mirtal.Mirtal.desktop
./usr/share/doc/mirtal/changelog.gz
./usr/share/doc/mirtal/copyright
./usr/share/icons/hicolor/128x128/apps/mirtal.png
./usr/share/icons/hicolor/16x16/apps/mirtal.png
./usr/share/icons/hicolor/22x22/apps/mirtal.png
./usr/share/icons/hicolor/24x24/apps/mirtal.png
./usr/share/icons/hicolor/256x256/apps/mirtal.png
./usr/share/icons/hicolor/32x32/apps/mirtal.png
./usr/share/icons/hicolor/48x48/apps/mirtal.png
./usr/share/icons/hicolor/64x64/apps/mirtal.png
./usr/share/icons/hicolor/scalable/apps/mirtal.svg
./usr/share/man/man1/mirtal.1.gz
./usr/share/metainfo/io.github.mirtal.Mirtal.metainfo.xml
./usr/share/mirtal/Mirtal.mdb
./usr/share/mirtal/site/MirtalHelp.html
./usr/share/mirtal/site/diet.html
./usr/share/mirtal/site/img/A.png
./usr/share/mirtal/site/img/B.png
./usr/share/mirtal/site/img/C.png
./usr/share/mirtal/site/img/D.png
./usr/share/mirtal/site/img/E.png
./usr/share/mirtal/site/img/F.png
./usr/share/mirtal/site/img/G.png
./usr/share/mirtal/site/img/mirtal.png
./usr/share/mirtal/site/index.html
./usr/share/mirtal/site/site.css
./usr/share/mirtal/site/wguide.html
FILES
)
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | LC_ALL=C sort)
[ "$files" = "$(LC_ALL=C sort <<<"$expected")" ] ||
  fail "files differ: $(diff <(echo "$files") <(LC_ALL=C sort <<<"$expected") || true)"

# A throw-away root with a dpkg database of its own; the libraries come from this machine.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_root=(dpkg --root="$root" --log=/dev/null --force-not-root --force-depends
  --force-script-chrootless)
"${dpkg_root[@]}" --install "$deb" >"$work/dpkg.log" 2>&1 ||
  { cat "$work/dpkg.log" >&2; fail "dpkg --install"; }
grep -qx 'Exec=mirtal' "$root/usr/share/applications/io.github.mirtal.Mirtal.desktop" ||
  fail "the desktop entry does not start mirtal from the PATH"
appstreamcli validate-tree --no-net "$root" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate-tree"; }

home=$work/home
mkdir -p "$home"
shown=$(env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/mirtal" --quit-when-shown 2>"$work/start.log") ||
  { cat "$work/start.log" >&2; fail "the installed program did not start"; }
[ "$shown" = "1. frm User" ] || fail "the installed program showed '$shown'"
database=$home/.local/share/Mirtal/Mirtal.mdb
cmp -s "$database" "$root/usr/share/mirtal/Mirtal.mdb" ||
  fail "the first start did not copy the delivered database into the person's data folder"

"${dpkg_root[@]}" --remove mirtal >"$work/dpkg.log" 2>&1 ||
  { cat "$work/dpkg.log" >&2; fail "dpkg --remove"; }
left=$(find "$root" -not -type d -not -path "$root/var/*")
[ -z "$left" ] || fail "files left after removal: $left"
[ -f "$database" ] || fail "the removal took the person's database"
echo "package $(basename "$deb"): lintian clean, $(wc -l <<<"$files") files, installs, starts, removes"
