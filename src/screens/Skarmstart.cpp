// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Skarmstart.h"

#include "screens/OvningFlagga.h"
#include "screens/OvningKarta.h"
#include "screens/OvningMulti.h"

namespace {

template <class Skarm>
QWidget* Starta(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                const std::function<void(QWidget*)>& lagra) {
    auto* skarm = new Skarm(owner, Qt::Window);
    if (lagra)
        lagra(skarm);
    try {
        skarm->StartaOvning(ovning);
    } catch (...) {
        delete skarm;
        throw;
    }
    return skarm;
}

} // namespace

QWidget* StartaOvningsskarm(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                            const std::function<void(QWidget*)>& lagra) {
    if (ovning->Typ == QLatin1String("MULTI"))
        return Starta<TfrmOvningMulti>(ovning, owner, lagra);
    if (ovning->Typ == QLatin1String("FLAGG"))
        return Starta<TfrmOvningFlagga>(ovning, owner, lagra);
    return Starta<TfrmOvningKarta>(ovning, owner, lagra);
}
