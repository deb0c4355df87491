#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the shipped screen texts, sounds, music, pictures and help in
# assets/ from the sources in tools/content/ and help/. Deterministic: a rerun
# gives byte-identical files.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${GLOBINA_BUILD:-$root/build}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target content_lang content_sounds content_music content_pictures content_help
bin="$build/bin"

"$bin/content_lang" "$root/tools/content/lang.tsv" "$root/assets/lang.crp"
"$bin/content_sounds" "$root/assets"
"$bin/content_music" "$root/assets/good.mid"
"$bin/content_pictures" "$root/assets" "$root/desktop/icons"
"$bin/content_help" "$root/help" "$root/assets/globina.chm"
