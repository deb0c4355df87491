// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fokusring.h"

#include <QFocusEvent>
#include <QPainter>

TFokusring::TFokusring(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}

void TFokusring::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        visas_ = false;
        Borja(event->reason() == Qt::TabFocusReason);
    }
    update();
}

void TFokusring::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool TFokusring::focusNextPrevChild(bool next) {
    if (hasFocus() && Stega(next))
        return true;
    visas_ = false;
    update();
    return QWidget::focusNextPrevChild(next);
}

std::optional<Fokusordning::TRiktning> TFokusring::Pil(int key) {
    using Fokusordning::TRiktning;
    switch (key) {
    case Qt::Key_Left:
        return TRiktning::Vanster;
    case Qt::Key_Right:
        return TRiktning::Hoger;
    case Qt::Key_Up:
        return TRiktning::Upp;
    case Qt::Key_Down:
        return TRiktning::Ned;
    default:
        return std::nullopt;
    }
}

void TFokusring::RitaRing(QPainter& p, const QPainterPath& form, bool rund) {
    const Qt::PenCapStyle cap = rund ? Qt::RoundCap : Qt::SquareCap;
    const Qt::PenJoinStyle join = rund ? Qt::RoundJoin : Qt::BevelJoin;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, cap, join));
    p.drawPath(form);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, cap, join));
    p.drawPath(form);
}
