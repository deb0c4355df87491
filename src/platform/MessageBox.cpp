// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
TMessageBoxHook& Hook() {
    static TMessageBoxHook hook;
    return hook;
}
} // namespace

TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

void ShowMessageBox(QWidget* parent, TBoxKind kind, const QString& text) {
    if (Hook()) {
        Hook()(kind, text);
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (kind) {
    case TBoxKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case TBoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case TBoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    // A box raised while the wait cursor is up must still show the arrow.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
}
