#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every geography file under assets/ from the pinned sources:
# the area, water, place, sea-point and detail files, the seven world
# pictures and the flags. Usage: tools/atlas/regenerate.sh [BUILD_DIR] [PREVIEW_DIR]
# (BUILD_DIR: a configured CMake build folder, default build/).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
preview=${2:-}
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
# prepare.mjs spaces places with the program's own projection (atlas_project).
cmake --build "$build" --target atlas atlas_project closeview
ATLAS_PROJECT="$build/bin/atlas_project" node "$here/prepare.mjs" "$here/build/atlas.json"
# The fine topologies of the maps of states and provinces (their detail files).
node "$here/detail-sources.mjs" "$here/build"
"$build/bin/atlas" "$here/build/atlas.json" "$root/assets" $preview
"$here/flags.sh" "$here/build/atlas.json" "$root/assets"
# The close views against the 1:10m source: figures only, nothing written.
"$build/bin/closeview" "$here/node_modules/world-atlas/countries-10m.json" \
  "$root/tests/atlas/reference.bin" "$root/assets" $preview
