// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: GIF pictures (flags, logo, world pictures).
#include "FuzzInput.h"
#include "data/Gif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) { DecodeGif(file); });
}
