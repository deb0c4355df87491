// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

class CKarta;
class COvning;
class QFrame;
class QLabel;
class QRect;
class QWidget;
class TImage;

// Explore on the map screen: pointing names an area or place, a click shows
// its name, capital and flag in a panel; nothing is asked or scored.
class TUtforskning {
public:
    // The panel goes on the map's parent, hidden until the first click.
    explicit TUtforskning(QWidget* parent);

    // The area or place under a picture pixel: its name, the lines below it
    // and its flag file, and the point to name it at; an empty name where
    // the pixel holds neither.
    struct TUnder {
        QString namn;
        QString text;
        QString flagga;
        QPoint punkt;
    };
    static TUnder Under(const CKarta& karta, COvning& ovning, int x, int y);

    // True when the pointer has come to another name (or to none).
    bool NyttNamn(const QString& namn);
    // Shows what was clicked in the corner of the map away from the click
    // (klick in the map control's pixels), or hides the panel where the
    // click was on nothing.
    void Visa(const TUnder& under, QPoint klick, const QRect& karta);

    QFrame* panInfo;
    QLabel* lblInfoNamn;
    QLabel* lblInfoText;
    TImage* imgInfoFlagga;

private:
    QString pekad_; // the name under the pointer
};
