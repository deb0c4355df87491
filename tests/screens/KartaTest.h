// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScreenTest.h"
#include "exercises/OvningLandArea.h"
#include "maps/Karta.h"
#include "platform/Image.h"
#include "screens/OvningKarta.h"

#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

class KartaTest : public ScreenTest<COvningLandArea, TfrmOvningKarta> {
protected:
    // Three countries side by side on map 4, with sea points, a lake over the
    // third and a capital in the first; the exercise asks for the items given.
    void Start(int kartnummer = 4, const QStringList& items = {"AAA", "BBB"}, float vyNord = 12,
               float vySyd = -2, TSvarssatt satt = TSvarssatt::Klicka) {
        dir.Write("AREA4.crp", FileOf({Box("AAA", 0, 0, 10, 10), Box("BBB", 0, 10, 10, 20),
                                       Box("CCC", 0, 20, 10, 30)}));
        dir.Write("Hav4.crp", FileOf<TSeaPointRecord>({{11, 5}, {-1, 25}}));
        dir.Write("Vatten.crp", FileOf({Box("LAKE", 4, 24, 6, 26)}));
        TPlaceRecord capital = Place("Acity", 1, "AAA", 5, 5);
        capital.Klass1 = true;
        dir.Write("Ort4.crp", FileOf({capital}));
        Exercise(7, kartnummer, 4, items);
        ex->Namn[2] = "Countries";
        ex->VyNord = vyNord, ex->VySyd = vySyd, ex->VyMitt = 15;
        ex->Svarssatt = satt;
        ex->Huvudstader = huvudstader;
        Open();
    }

    THuvudstader huvudstader; // a capitals game's, given to the exercise at the start

    QPoint Pixel(float lat, float lon) const {
        return QPoint(screen->Karta()->XKoord(lat, lon), screen->Karta()->YKoord(lat));
    }

    void Click(float lat, float lon, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(screen->imgKarta, button, {}, Pixel(lat, lon));
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, at, screen->imgKarta->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(screen->imgKarta, &e);
    }
    void Wheel(QPoint at, int notches) {
        QWheelEvent e(at, screen->imgKarta->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(screen->imgKarta, &e);
    }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::RightButton) {
        Mouse(QEvent::MouseButtonPress, from, button, button);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, button);
        Mouse(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
    }
    double Zoom() const {
        return (ex->VyNord - ex->VySyd) / (screen->Karta()->VyNord - screen->Karta()->VySyd);
    }

    // Whether the map on the screen, as last painted, is the map's own picture,
    // leaving out the labels and the controls that lie over the map.
    // The screen's pixels come from the window system, not from a fresh
    // render of the control, so a changed part that was not repainted shows.
    bool Fresh() {
        QCoreApplication::processEvents();
        const QPoint at = screen->imgKarta->mapTo(screen.get(), QPoint(0, 0));
        QImage shown = screen->screen()
                           ->grabWindow(screen->winId(), at.x(), at.y(), screen->imgKarta->width(),
                                        screen->imgKarta->height())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
        QImage picture = screen->imgKarta->Picture().convertToFormat(QImage::Format_RGB32);
        for (const QWidget* label : std::initializer_list<const QWidget*>{
                 screen->lblNamn, screen->lblText, screen->cmdHem, screen->cmdSkrivUt})
            if (label->isVisible())
                for (QImage* image : {&shown, &picture})
                    QPainter(image).fillRect(label->geometry().translated(-screen->imgKarta->pos()),
                                             Qt::black);
        // The panel's client area hides the control's last two rows and columns.
        const QRect visible = screen->imgKarta->visibleRegion().boundingRect();
        return shown.size() == picture.size() && shown.copy(visible) == picture.copy(visible);
    }

    // The centre of the country the question asks for, and of the other one.
    float AskedLon() const { return screen->lblFraga->text().endsWith("AAA") ? 5 : 15; }
    float OtherLon() const { return AskedLon() == 5 ? 15 : 5; }
};
