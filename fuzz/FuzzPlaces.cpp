// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: places (Ort<n>.crp).
#include "FuzzInput.h"
#include "maps/Places.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) {
        COrter places;
        places.LasOrter(file);
    });
}
