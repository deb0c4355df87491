// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

class QPushButton;

// The four choices of a four-choice game on the map: numbered buttons with
// the names, chosen with the mouse or with the keys 1 to 4 of the digit row
// on any keyboard layout, wherever the focus is in the window.
class TFyrval : public QWidget {
    Q_OBJECT
public:
    explicit TFyrval(QWidget* parent);
    ~TFyrval() override;

    // The names of the boxes (at most four, the others hidden), all open
    // again; the panel fits the longest name.
    void Visa(const QStringList& namn);
    // Box n (1..4) was chosen wrong: red, and closed for the question.
    void Fel(int n);
    // Box n is the answer, shown after the third miss.
    void VisaRatt(int n);
    // Into the corner of the map (control pixels) that covers least of the
    // rectangle to keep clear, the asked area; bottom left on a tie.
    void Placera(const QRect& karta, const QRect& undvik);

    std::array<QPushButton*, 4> cmdVal;

signals:
    // Box n (1..4) is chosen.
    void Vald(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Farga(int n, const QColor& farg);
};
