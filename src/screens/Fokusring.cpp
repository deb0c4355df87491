// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fokusring.h"

#include <QFocusEvent>

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
