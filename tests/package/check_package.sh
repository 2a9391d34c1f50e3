#!/bin/sh
# Builds the Debian package from a build tree into a scratch folder and checks what it holds:
# both programs, the desktop entry, the icon, the layout file type, the AppStream metadata,
# the manual pages, copyright and changelog, and nothing else; that it names the libraries and
# fonts it needs; and, where they are installed, that lintian finds no error and no warning
# and appstreamcli accepts the installed tree.
set -eu
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=$(ls "$out"/panelwright_*_*.deb)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected="./usr/bin/panelwright
./usr/bin/panelwright-cli
./usr/share/applications/org.example.panelwright.desktop
./usr/share/doc/panelwright/changelog.gz
./usr/share/doc/panelwright/copyright
./usr/share/icons/hicolor/128x128/apps/panelwright.png
./usr/share/icons/hicolor/16x16/apps/panelwright.png
./usr/share/icons/hicolor/256x256/apps/panelwright.png
./usr/share/icons/hicolor/32x32/apps/panelwright.png
./usr/share/icons/hicolor/48x48/apps/panelwright.png
./usr/share/icons/hicolor/64x64/apps/panelwright.png
./usr/share/icons/hicolor/scalable/apps/panelwright.svg
./usr/share/man/man1/panelwright-cli.1.gz
./usr/share/man/man1/panelwright.1.gz
./usr/share/metainfo/org.example.panelwright.metainfo.xml
./usr/share/mime/packages/panelwright.xml"
status=0
if [ "$files" != "$expected" ]; then
    echo "The package holds:"
    echo "$files"
    echo "expected:"
    echo "$expected"
    status=1
fi
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 fonts-liberation2; do
    case "$depends" in
    *"$needed"*) ;;
    *) echo "Depends lacks $needed: $depends"; status=1 ;;
    esac
done
if command -v lintian >/dev/null 2>&1; then
    # Errors and warnings only: the informational tags are advice. Its temporary files, which
    # it leaves behind, go with the scratch folder.
    if ! TMPDIR="$out" lintian --fail-on error,warning "$deb" >"$out/lintian.log" 2>&1; then
        echo "lintian:"
        cat "$out/lintian.log"
        status=1
    fi
fi
if command -v appstreamcli >/dev/null 2>&1; then
    dpkg-deb -x "$deb" "$out/tree"
    if ! appstreamcli validate-tree --no-net --pedantic "$out/tree" >"$out/appstream.log" 2>&1; then
        echo "appstreamcli validate-tree:"
        cat "$out/appstream.log"
        status=1
    fi
fi
echo "$(basename "$deb"): $(echo "$files" | wc -l) files; Depends: $depends"
exit $status
