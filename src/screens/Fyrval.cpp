// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fyrval.h"

#include "platform/DigitKeys.h"
#include "platform/Look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kKant = 6;       // the panel's margin
constexpr int kKnapphojd = 30; // each button's height
constexpr int kMellanrum = 4;
constexpr int kMinstaBredd = 220;
constexpr int kAvstand = 8; // from the map's edge
const QColor kLjusgra(230, 230, 230);

} // namespace

TFyrval::TFyrval(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    SetColor(this, QPalette::Window, kLjusgra);
    for (int n = 0; n < 4; ++n) {
        auto* b = new QPushButton(this);
        b->setFont(Arial(13, true));
        b->setStyleSheet(QStringLiteral("text-align: left; padding-left: 8px;"));
        connect(b, &QPushButton::clicked, this, [this, n] { emit Vald(n + 1); });
        cmdVal[static_cast<size_t>(n)] = b;
    }
    hide();
    // The digit keys choose whichever control of the window has the focus.
    qApp->installEventFilter(this);
}

TFyrval::~TFyrval() {
    qApp->removeEventFilter(this);
}

void TFyrval::Visa(const QStringList& namn) {
    const QFontMetrics fm(cmdVal[0]->font());
    int bredd = kMinstaBredd;
    for (const QString& n : namn)
        bredd = std::max(bredd, fm.horizontalAdvance(QStringLiteral("4   ") + n) + 32);
    int y = kKant;
    for (int n = 0; n < 4; ++n) {
        QPushButton* b = cmdVal[static_cast<size_t>(n)];
        const bool finns = n < namn.size();
        b->setVisible(finns);
        b->setEnabled(finns);
        b->setText(finns ? QString::number(n + 1) + QStringLiteral("   ") + namn[n] : QString());
        b->setGeometry(kKant, y, bredd, kKnapphojd);
        Farga(n + 1, QColor());
        if (finns)
            y += kKnapphojd + kMellanrum;
    }
    resize(bredd + 2 * kKant, y - kMellanrum + kKant);
    setEnabled(true);
}

void TFyrval::Farga(int n, const QColor& farg) {
    QPushButton* b = cmdVal[static_cast<size_t>(n - 1)];
    QString stil = QStringLiteral("text-align: left; padding-left: 8px;");
    if (farg.isValid())
        stil += QStringLiteral(" background: %1; color: black;").arg(farg.name());
    b->setStyleSheet(stil);
}

void TFyrval::Fel(int n) {
    if (n < 1 || n > 4)
        return;
    Farga(n, QColor(255, 150, 150));
    cmdVal[static_cast<size_t>(n - 1)]->setEnabled(false);
}

void TFyrval::VisaRatt(int n) {
    if (n >= 1 && n <= 4)
        Farga(n, QColor(0, 255, 0));
}

void TFyrval::Placera(const QRect& karta, const QRect& undvik) {
    const int vanster = karta.left() + kAvstand;
    const int hoger = karta.right() - kAvstand - width();
    const int nere = karta.bottom() - kAvstand - height();
    // Below the corner buttons at the top.
    const int uppe = karta.top() + kAvstand + 34;
    QPoint bast(vanster, nere);
    long minst = -1;
    for (const QPoint p :
         {QPoint(vanster, nere), QPoint(hoger, nere), QPoint(vanster, uppe), QPoint(hoger, uppe)}) {
        const QRect r = QRect(p, size()).intersected(undvik);
        const long yta = r.isEmpty() ? 0 : static_cast<long>(r.width()) * r.height();
        if (minst < 0 || yta < minst)
            minst = yta, bast = p;
    }
    move(bast);
    raise();
}

bool TFyrval::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible() && isEnabled() &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window()) {
        const int n = DigitRowKey(static_cast<const QKeyEvent*>(event));
        if (n >= 1 && n <= 4) {
            if (cmdVal[static_cast<size_t>(n - 1)]->isVisible())
                emit Vald(n);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
