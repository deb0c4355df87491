// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: sea points (Hav<n>.crp).
#include "FuzzInput.h"
#include "maps/Karta.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) {
        CKarta map;
        map.LasHav(file);
    });
}
