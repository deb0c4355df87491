#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR, checks the installed layout and
# plays in the installed program folder, so a missing install rule fails.
#
#   installed_tree.sh <build folder> <source folder> <app id> <end-to-end test binary>
set -euo pipefail
build=$1 source=$2 id=$3 e2e=$4
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
program=$root/lib/globina

# The starter leads to the program in its folder.
[ -L "$root/bin/globina" ] || fail "bin/globina is not a link"
[ "$(readlink -f "$root/bin/globina")" = "$program/globina" ] || fail "bin/globina leads elsewhere"
[ -x "$program/globina" ] || fail "the program is not executable"

# Every shipped data file lies beside it, as shipped.
(cd "$source/assets" && find . -type f) | while read -r f; do
  cmp -s "$source/assets/$f" "$program/$f" || fail "lib/globina/${f#./} missing or different"
done

# The launcher, its icon and the metadata.
desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "$desktop does not validate"
grep -qx "Icon=$id" "$desktop" || fail "the launcher's icon is not $id"
grep -qx "Exec=globina" "$desktop" || fail "the launcher does not start globina"
for lang in sv en fr de es it da nl; do
  for key in Name GenericName Comment; do
    grep -q "^$key\[$lang\]=." "$desktop" || fail "$key[$lang] missing"
  done
done
grep -qx "Categories=Education;Geography;Game;" "$desktop" || fail "categories"
# Valid, and with no warning either (a warning does not fail the validation).
verdict=$(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" 2>&1) ||
  fail "the metainfo does not validate: $verdict"
! grep -q '^W:' <<<"$verdict" || fail "the metainfo has warnings: $verdict"
# PNG width and height: big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 22 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(png_size "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not ${size}px"
done
grep -q "<svg" "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
zcat "$root/share/man/man6/globina.6.gz" | grep -q '^\.TH GLOBINA 6' || fail "no manual page"

# The main menu opens from the installed folder, loads its data files there
# and plays: the end-to-end test run as if it were the installed program.
cp "$e2e" "$program/"
"$program/$(basename "$e2e")" --gtest_brief=1 || fail "playing in the installed folder"
echo "installed tree OK"
