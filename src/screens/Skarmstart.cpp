// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Skarmstart.h"

#include "exercises/Ovningsslag.h"

#include "screens/OvningFlagga.h"
#include "screens/OvningKarta.h"
#include "screens/OvningMulti.h"

namespace {

template <class Skarm>
QWidget* Starta(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                const std::function<void(QWidget*)>& lagra,
                void (Skarm::*start)(std::shared_ptr<COvning>) = &Skarm::StartaOvning) {
    auto* skarm = new Skarm(owner, Qt::Window);
    if (lagra)
        lagra(skarm);
    try {
        (skarm->*start)(ovning);
    } catch (...) {
        delete skarm;
        throw;
    }
    return skarm;
}

QWidget* StartaSkarm(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                     const std::function<void(QWidget*)>& lagra) {
    switch (SkarmFor(ovning->Typ)) {
    case TSkarmslag::Multi:
        return Starta<TfrmOvningMulti>(ovning, owner, lagra);
    case TSkarmslag::Flagga:
        return Starta<TfrmOvningFlagga>(ovning, owner, lagra);
    case TSkarmslag::Karta:
        break;
    }
    return Starta<TfrmOvningKarta>(ovning, owner, lagra);
}

} // namespace

QWidget* StartaOvningsskarm(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                            const std::function<void(QWidget*)>& lagra) {
    return StartaSkarm(ovning, owner, lagra);
}

QWidget* StartaUtforskning(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                           const std::function<void(QWidget*)>& lagra) {
    return Starta<TfrmOvningKarta>(ovning, owner, lagra, &TfrmOvningKarta::StartaUtforska);
}
