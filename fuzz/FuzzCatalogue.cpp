// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the exercise catalogue (Ovning.crp).
#include "FuzzInput.h"
#include "exercises/Ovningar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) {
        COvningar catalogue;
        catalogue.LasOvningar(file);
    });
}
