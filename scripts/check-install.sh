#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` make of a build: the desktop entry and AppStream
# metainfo are valid, and the Debian package holds the program folder, the user guide, the
# desktop files and the icons.
#
#   scripts/check-install.sh <build folder>
set -euo pipefail
build=${1:?usage: scripts/check-install.sh <build folder>}
build=$(cd "$build" && pwd)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage/root" cmake --install "$build" >/dev/null
desktop-file-validate "$stage"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/root/usr/share/metainfo/*.metainfo.xml

(cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >/dev/null)
deb=$(ls "$stage"/deb/*.deb)
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$stage/listing"
expected=(/opt/tessalyne/tessalyne /opt/tessalyne/exercise /opt/tessalyne/spell /opt/tessalyne/newword
  /opt/tessalyne/LangType.ini /opt/tessalyne/TSSet.ini /opt/tessalyne/Lesson_res/lessonres_en.ini
  /opt/tessalyne/skins/Lesson/Login.bmp /opt/tessalyne/help/en/index.html /opt/tessalyne/help/fr/index.html
  /usr/bin/tessalyne /usr/share/applications/example.tessalyne.lessons.desktop
  /usr/share/metainfo/example.tessalyne.lessons.metainfo.xml)
for side in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${side}x${side}/apps/tessalyne.png")
done
missing=0
for file in "${expected[@]}"; do
  if ! grep -qxF "$file" "$stage/listing"; then
    echo "check-install: the package lacks $file" >&2
    missing=1
  fi
done
if grep -E '/(Log|templesson)(/|$)' "$stage/listing"; then
  echo "check-install: the package holds files the programs make at run time" >&2
  missing=1
fi
[ "$missing" -eq 0 ] && echo "check-install: $(basename "$deb") holds $(wc -l <"$stage/listing") entries as expected"
exit "$missing"
