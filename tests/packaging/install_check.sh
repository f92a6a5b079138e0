#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree: every file in its place, the
# desktop entry and the metainfo accepted by their validators, the icons at their sizes, and the
# installed program finding the installed demo world by itself.
set -euo pipefail
build="$1"
id=net.tavrin.Tavrin
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/tavrin share/tavrin/gd.mdb share/tavrin/images/none.BMP \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/tavrin" ] || fail "bin/tavrin is not executable"
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -s "$png" ] || fail "no ${size}px icon"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a ${size}x${size} PNG"
done
# Nothing of the build's own tools and tests goes along.
[ "$(ls "$prefix/bin")" = tavrin ] || fail "bin/ holds more than the program: $(ls "$prefix/bin")"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null \
  || { appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"; fail "metainfo rejected"; }

"$prefix/bin/tavrin" --version | grep -q '^Tavrin ' || fail "--version"
"$prefix/bin/tavrin" --help | grep -q -- '--database' || fail "--help"
set +e
"$prefix/bin/tavrin" --bogus >/dev/null 2>"$prefix/err.txt"; rc=$?
set -e
[ $rc = 2 ] || fail "a wrong argument ends with $rc, not 2"
grep -q 'bogus' "$prefix/err.txt" || fail "a wrong argument is not named"

# With no database beside it and an empty user data folder, the program opens the installed demo
# world (a missing database would stop it at an error box and time out).
export HOME="$prefix/home" XDG_DATA_HOME="$prefix/home/data"
QT_QPA_PLATFORM=offscreen TAVRIN_QUIT_AFTER_SHOW=1 "$prefix/bin/tavrin" --open weapons \
  || fail "the installed program did not start on the installed demo world"
echo "install tree OK"
