#!/usr/bin/env bash
# Checks the two release archives as a user gets them: unpacks both in a
# scratch folder, checks what they hold, and runs the native package's bench
# from a folder outside the source tree.
#
#   check_release_kit.sh skelbor-VERSION-win32.zip skelbor-VERSION-linux-CPU.tar.gz
set -uo pipefail

if (($# != 2)); then
  echo "usage: $(basename "$0") ZIP TAR.GZ" >&2
  exit 2
fi
zip=$(realpath "$1")
tgz=$(realpath "$2")
scratch=$(mktemp -d /tmp/skelbor-release-kit.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$scratch/last.log" 2>&1; then
    passed=$((passed + 1))
    echo "ok    $what"
  else
    failed=$((failed + 1))
    echo "FAIL  $what"
    sed 's/^/      /' "$scratch/last.log" | head -20
  fi
}
has() { grep -q -- "$2" "$1"; }

version=$(basename "$zip" | sed -n 's/^skelbor-\(.*\)-win32\.zip$/\1/p')
check "the zip is named skelbor-VERSION-win32.zip" test -n "$version"
check "the tar.gz carries the same version" \
  bash -c "[[ $(basename "$tgz") == skelbor-$version-linux-*.tar.gz ]]"

# The Windows kit.
mkdir "$scratch/zip"
(cd "$scratch/zip" && cmake -E tar xf "$zip")
kit="$scratch/zip/skelbor-$version-win32"
for item in skelbor.gau skelbor.ini panel.cfg skelbor.h MANUAL.md LICENSE; do
  check "the zip holds $item" test -s "$kit/$item"
done
check "the zip holds nothing else but the manual's images" bash -c \
  "cd '$kit' && [[ \$(find . -type f ! -path './images/*.png' | sort | tr '\n' ' ') == \
'./LICENSE ./MANUAL.md ./panel.cfg ./skelbor.gau ./skelbor.h ./skelbor.ini ' ]]"
check "skelbor.gau is a 32-bit Windows DLL" bash -c \
  "[[ \$(head -c 2 '$kit/skelbor.gau') == MZ ]] &&
   offset=\$(od -An -tu4 -j60 -N4 '$kit/skelbor.gau' | tr -d ' ') &&
   [[ \$(od -An -tx1 -j\$offset -N6 '$kit/skelbor.gau' | tr -d ' \n') == 504500004c01 ]]"
check "skelbor.gau is stripped" bash -c \
  "offset=\$(od -An -tu4 -j60 -N4 '$kit/skelbor.gau' | tr -d ' ') &&
   [[ \$(od -An -tu4 -j\$((offset + 12)) -N4 '$kit/skelbor.gau' | tr -d ' ') == 0 ]]"
utf16_version=$(printf '%s' "$version" | sed 's/./&\\x00/g')
check "skelbor.gau carries version $version in its version resource" \
  env LC_ALL=C grep -qaP "F\\x00i\\x00l\\x00e\\x00V\\x00e\\x00r\\x00s\\x00i\\x00o\\x00n\\x00\\x00\\x00(\\x00\\x00)?$utf16_version" \
  "$kit/skelbor.gau"
for name in '\[Default\]' DefaultICAO= VORSearch= NDBSearch= LastICAO= '\[Saved\]' '^00=' '^14=' \
  '\[UserWaypoints\]' '^0001=.*,.*,' '^0002=.*,.*,'; do
  check "skelbor.ini has $name" has "$kit/skelbor.ini" "$name"
done
check "panel.cfg places gps at 250 x 130" has "$kit/panel.cfg" 'skelbor!gps, *[0-9]*, *[0-9]*, *250, *130'
check "panel.cfg places icon at 50 x 25 with the window id" \
  has "$kit/panel.cfg" 'skelbor!icon, *[0-9]*, *[0-9]*, *50, *25, *225'
check "panel.cfg gives the window the same id" has "$kit/panel.cfg" '^ident=225'
for name in GetICAO SetICAO __stdcall LoadLibraryA GetProcAddress 'at most 12 characters' '4 characters'; do
  check "skelbor.h tells about $name" has "$kit/skelbor.h" "$name"
done
if command -v i686-w64-mingw32-gcc-posix >/dev/null; then
  check "skelbor.h compiles for 32-bit Windows" bash -c \
    "echo '#include \"$kit/skelbor.h\"' | i686-w64-mingw32-gcc-posix -fsyntax-only -Wall -Werror -x c -"
fi
check "MANUAL.md shows only pictures the zip holds" bash -c \
  "cd '$kit' && grep -o '(images/[a-z0-9-]*\.png)' MANUAL.md | tr -d '()' | sort -u |
   while read -r picture; do test -s \"\$picture\" || { echo \"missing \$picture\"; exit 1; }; done"
check "LICENSE is the MIT licence" has "$kit/LICENSE" 'MIT License'

# The native package, run from where it was unpacked.
mkdir "$scratch/native" "$scratch/run"
(cd "$scratch/native" && tar xzf "$tgz")
package=$(find "$scratch/native" -mindepth 1 -maxdepth 1 -type d)
for item in bin/skelbor-bench bin/skelbor-navdata-load lib/skelbor/skelbor.gau lib/skelbor/256.bmp \
  lib/skelbor/512.bmp lib/skelbor/513.bmp lib/skelbor/768.bmp share/skelbor/data/apt.dat.gz \
  share/skelbor/data/nav.dat.gz share/skelbor/data/COPYING.GPL-2 share/doc/skelbor/LICENSE \
  share/doc/skelbor/MANUAL.md; do
  check "the tar.gz holds $item" test -s "$package/$item"
done
check "the tar.gz holds the example scripts" bash -c "ls '$package'/share/skelbor/examples/*.skb"
cd "$scratch/run"
check "the unpacked bench tells its version" bash -c \
  "[[ \$('$package/bin/skelbor-bench' --version) == 'skelbor-bench $version' ]]"
check "the unpacked bench runs its demo from a scratch folder" \
  "$package/bin/skelbor-bench" demo --out demo
for file in 1-airport.png 9-arrival.png flight.log flight.gpx flight.csv flight-plot.png; do
  check "the demo wrote $file" test -s "demo/$file"
done
check "the unpacked bench runs an example script" \
  "$package/bin/skelbor-bench" run "$package/share/skelbor/examples/no_gps_module.skb"
check "the unpacked loader reads the bundled data" \
  "$package/bin/skelbor-navdata-load" "$package/share/skelbor/data/apt.dat.gz" \
  "$package/share/skelbor/data/nav.dat.gz"

echo "release kit: $passed passed, $failed failed"
((failed == 0))
