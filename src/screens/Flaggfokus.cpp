// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Flaggfokus.h"

#include "screens/Fokusordning.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

TFlaggfokus::TFlaggfokus(QWidget* parent) : TFokusring(parent) {
}

void TFlaggfokus::Uppdatera(bool nyttSpel) {
    if (nyttSpel) {
        aktuell_ = 0;
        visas_ = false;
    }
    const auto rutor = Rutor ? Rutor() : std::vector<std::pair<int, QRectF>>();
    bool finns = false;
    for (const auto& [n, r] : rutor)
        finns = finns || n == aktuell_;
    if (!finns && aktuell_ > 0) {
        // The next cell on, or the last one left.
        int nasta = 0;
        for (const auto& [n, r] : rutor)
            if (nasta == 0 && n > aktuell_)
                nasta = n;
        aktuell_ = nasta ? nasta : rutor.empty() ? 0 : rutor.back().first;
    }
    update();
}

bool TFlaggfokus::Stega(bool framat) {
    const auto rutor = Rutor ? Rutor() : std::vector<std::pair<int, QRectF>>();
    if (rutor.empty())
        return false;
    if (!RingVisas()) {
        if (aktuell_ == 0)
            aktuell_ = framat ? rutor.front().first : rutor.back().first;
        visas_ = true;
        update();
        return true;
    }
    for (size_t i = 0; i < rutor.size(); ++i)
        if (rutor[i].first == aktuell_) {
            const long j = static_cast<long>(i) + (framat ? 1 : -1);
            if (j < 0 || j >= static_cast<long>(rutor.size()))
                return false;
            aktuell_ = rutor[j].first;
            update();
            return true;
        }
    return false;
}

void TFlaggfokus::paintEvent(QPaintEvent*) {
    if (!RingVisas() || !hasFocus() || !Rutor)
        return;
    for (const auto& [n, r] : Rutor())
        if (n == aktuell_) {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath ram;
            ram.addRect(r.adjusted(4, 4, -4, -4));
            RitaRing(p, ram, false);
        }
}

void TFlaggfokus::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (!RingVisas())
            Stega(true);
        else if (Svara)
            Svara(aktuell_);
        return;
    }
    const auto pil = Pil(key);
    if (!pil || !Rutor) {
        event->ignore();
        return;
    }
    if (!RingVisas()) {
        Stega(true);
        return;
    }
    const auto rutor = Rutor();
    std::vector<QPointF> mitt;
    int fran = -1;
    for (const auto& [n, r] : rutor) {
        if (n == aktuell_)
            fran = static_cast<int>(mitt.size());
        mitt.push_back(r.center());
    }
    if (const int i = Fokusordning::Granne(mitt, fran, *pil); i >= 0) {
        aktuell_ = rutor[i].first;
        update();
    }
}

void TFlaggfokus::Borja(bool framat) {
    aktuell_ = 0;
    Stega(framat);
}
