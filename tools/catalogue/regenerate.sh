#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds assets/Ovning.crp from tools/catalogue/catalogue.txt and the atlas
# files in assets/. Deterministic: a rerun gives a byte-identical file.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${GLOBINA_BUILD:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target make_catalogue
"$build/bin/make_catalogue" "$root/tools/catalogue/catalogue.txt" "$root/assets" "$root/assets/Ovning.crp"
