// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the language table (lang.crp).
#include "FuzzInput.h"
#include "data/Language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzLoad(data, size, [](const QString& file) { LoadLanguageTextsFrom(file); });
}
