// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Ovningsskarm.h"

#include "data/Errors.h"
#include "data/Language.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace Skarm {

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& color,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    SetColor(label, QPalette::WindowText, color);
    label->setAutoFillBackground(false);
    return label;
}

void AnpassaStorlek(QLabel* label) {
    const QFontMetrics fm(label->font());
    label->resize(fm.horizontalAdvance(label->text()), fm.height());
}

void SetOpaque(QLabel* label, bool opaque, const QColor& background) {
    if (opaque)
        SetColor(label, QPalette::Window, background);
    label->setAutoFillBackground(opaque);
    label->update();
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int tag, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    if (tag != 0)
        SetTag(button, tag);
    return button;
}

QTimer* MakeTimer(QObject* parent, int interval) {
    auto* timer = new QTimer(parent);
    timer->setInterval(interval);
    return timer;
}

QString ProcentText(int32_t percent) {
    return QString::number(percent) + QStringLiteral(" %");
}

void Handelser() {
    QCoreApplication::processEvents();
}

void Centrera(QWidget* window) {
    const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(desk.x() + (desk.width() - window->width()) / 2,
                 desk.y() + (desk.height() - window->height()) / 2);
}

void Skyddat(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const EGlobina& e) {
        ShowMessageBox(parent, TBoxKind::Error, e.Message());
    } catch (const std::exception& e) {
        ShowMessageBox(parent, TBoxKind::Error, QString::fromUtf8(e.what()));
    }
}

TTimglas::TTimglas() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TTimglas::~TTimglas() {
    QApplication::restoreOverrideCursor();
}

} // namespace Skarm
