// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: land and water areas (AREA<n>.crp, Vatten.crp).
#include "FuzzInput.h"
#include "maps/Areas.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) {
        CAreor areas;
        areas.LasAreor(file);
    });
}
