// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovning.h"

// Pick the flag of the named country from a sheet of up to 16 flags.
class COvningFlagga : public COvning {
public:
    static constexpr int kMaxFlaggor = 16;

    QString NastaFraga() override;
    bool ArRatt(const TKlick& klick) override;
    void Starta(TOvningsformular* formular) override;
    void Blinka() override;

    // The name of the flag at sheet position i; empty beyond the sheet.
    QString FlaggNamn(int i) const;

    int32_t FragaNr = 0;
    int32_t AntalFlaggor = 0;

private:
    bool HarArea(const QString& key) const;
};
