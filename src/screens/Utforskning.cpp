// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Utforskning.h"
#include "data/Gif.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningOrt.h"
#include "maps/Karta.h"
#include "maps/Places.h"
#include "platform/Image.h"
#include "platform/Look.h"
#include "platform/WidgetHelpers.h"
#include "screens/Ovningsskarm.h"
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>

TUtforskning::TUtforskning(QWidget* parent) {
    panInfo = new QFrame(parent);
    panInfo->setFrameStyle(QFrame::Box | QFrame::Plain);
    panInfo->setAutoFillBackground(true);
    SetColor(panInfo, QPalette::Window, Qt::white);
    SetColor(panInfo, QPalette::WindowText, Qt::black);
    lblInfoNamn = Skarm::MakeLabel(panInfo, QRect(8, 6, 244, 20), Arial(15, true), Qt::black,
                                   Qt::AlignLeft | Qt::AlignTop);
    lblInfoText = Skarm::MakeLabel(panInfo, QRect(8, 28, 244, 36), Arial(12), Qt::black,
                                   Qt::AlignLeft | Qt::AlignTop);
    lblInfoText->setWordWrap(true);
    imgInfoFlagga = new TImage(panInfo);
    imgInfoFlagga->setAttribute(Qt::WA_TransparentForMouseEvents);
    panInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    panInfo->hide();
}

TUtforskning::TUnder TUtforskning::Under(const CKarta& karta, COvning& ovning, int x, int y) {
    TUnder under;
    const float lat = karta.LatVid(y);
    const float lon = karta.LonVid(y, x);
    if (auto* land = dynamic_cast<COvningLandArea*>(&ovning)) {
        const CArea* a = land->AreaUnder(lat, lon);
        if (!a)
            return under;
        under.namn = a->Namn[LanguageIndex];
        under.flagga = a->Flaggfil;
        under.punkt = QPoint(x, y);
        // The capital is the place of the map's places that is marked as
        // one and belongs to the area.
        if (karta.Platser)
            for (const COrt* o = karta.Platser->Forsta.get(); o; o = o->Nasta.get())
                if (o->Klass1 && o->Niva <= 1 && !a->Nyckel.isEmpty() &&
                    (o->Grupp1 == a->Nyckel || o->Grupp2 == a->Nyckel || o->Grupp3 == a->Nyckel)) {
                    under.text =
                        LangText(TextNo::CapitalLead) + QLatin1Char(' ') + o->Namn[LanguageIndex];
                    break;
                }
        return under;
    }
    if (auto* ort = dynamic_cast<COvningOrt*>(&ovning)) {
        const COrt* o = ort->NarmasteOrt(lat, lon);
        if (!o || karta.Avstand(lat, lon, *o) > karta.Px(12))
            return under;
        under.namn = o->Namn[LanguageIndex];
        const auto olat = static_cast<float>(o->Latitud);
        under.punkt =
            QPoint(karta.XKoord(olat, static_cast<float>(o->Longitud)), karta.YKoord(olat));
        // A capital's country, with its flag, where the map has it.
        const CArea* land = karta.Landareor ? karta.Landareor->Hitta(o->Grupp1) : nullptr;
        if (land && o->Klass1) {
            under.text =
                LangText(TextNo::CountryLead) + QLatin1Char(' ') + land->Namn[LanguageIndex];
            under.flagga = land->Flaggfil;
        }
    }
    return under;
}

bool TUtforskning::NyttNamn(const QString& namn) {
    if (namn == pekad_)
        return false;
    pekad_ = namn;
    return true;
}

void TUtforskning::Visa(const TUnder& under, QPoint klick, const QRect& karta) {
    if (under.namn.isEmpty()) {
        panInfo->hide();
        return;
    }
    lblInfoNamn->setText(under.namn);
    lblInfoText->setText(under.text);
    QImage flagga;
    if (!under.flagga.isEmpty()) {
        try {
            flagga = DecodeGif(ProgramFolder() + QStringLiteral("/flags/") + under.flagga);
        } catch (const std::exception&) {
            // A study aid: without its picture the name and capital still show.
        }
    }
    const QFontMetrics fm(lblInfoNamn->font());
    const int bredd = std::max(260, fm.horizontalAdvance(under.namn) + 16);
    lblInfoNamn->resize(bredd - 16, lblInfoNamn->height());
    lblInfoText->resize(bredd - 16, lblInfoText->heightForWidth(bredd - 16));
    int hojd = 32 + (under.text.isEmpty() ? 0 : lblInfoText->height() + 8);
    if (!flagga.isNull()) {
        // Framed, as a flag with white at its edge would melt into the panel.
        flagga = flagga.convertToFormat(QImage::Format_RGB32);
        QPainter ram(&flagga);
        ram.setPen(Qt::black);
        ram.drawRect(0, 0, flagga.width() - 1, flagga.height() - 1);
        ram.end();
        imgInfoFlagga->SetPicture(flagga);
        imgInfoFlagga->setGeometry(8, hojd, flagga.width(), flagga.height());
        imgInfoFlagga->show();
        hojd += flagga.height() + 8;
    } else {
        imgInfoFlagga->hide();
    }
    // In the corner away from the click, so that it never covers what was clicked.
    const int vanster = klick.x() < karta.width() / 2 ? karta.width() - bredd - 10 : 10;
    panInfo->setGeometry(karta.x() + vanster, karta.y() + 10, bredd, hojd);
    panInfo->show();
    panInfo->raise();
}
