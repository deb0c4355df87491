// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Places.h"

#include "maps/Areas.h"

#include "data/ByteFile.h"
#include "data/ByteWriter.h"

void TPlaceRecord::Write(TByteWriter& w) const {
    w.WriteString(Id);
    for (const QString& namn : Namn)
        w.WriteString(namn);
    w.WriteInt16(Niva);
    w.WriteByte(Klass1 ? 1 : 0);
    w.WriteByte(Klass2 ? 1 : 0);
    for (const QString& s : {Grupp1, Grupp2, Grupp3})
        w.WriteString(s);
    w.WriteInt32(EncodeDegrees(Latitud));
    w.WriteInt32(EncodeDegrees(Longitud));
}

TPlaceRecord TPlaceRecord::Read(TByteFile& f) {
    TPlaceRecord r;
    r.Id = f.ReadString();
    for (QString& namn : r.Namn)
        namn = f.ReadString();
    r.Niva = f.ReadInt16();
    r.Klass1 = f.ReadByte() != 0;
    r.Klass2 = f.ReadByte() != 0;
    r.Grupp1 = f.ReadString();
    r.Grupp2 = f.ReadString();
    r.Grupp3 = f.ReadString();
    r.Latitud = DecodeDegrees(f.ReadInt32());
    r.Longitud = DecodeDegrees(f.ReadInt32());
    return r;
}

COrter::~COrter() {
    Destroy();
}

void COrter::Destroy() {
    std::unique_ptr<COrt> p = std::move(Forsta);
    while (p)
        p = std::move(p->Nasta);
}

void COrter::LasOrter(const QString& fileName) {
    TByteFile f(fileName);
    Destroy();
    Forsta = std::make_unique<COrt>();
    COrt* ort = Forsta.get();
    while (!f.Eof()) {
        const TPlaceRecord r = TPlaceRecord::Read(f);
        for (int lang = 1; lang <= 8; ++lang)
            ort->Namn[lang] = r.Namn[lang - 1];
        // Languages 2 to 6 fall back on the first; 7 and 8 stay as stored.
        for (int lang = 2; lang <= 6; ++lang)
            if (ort->Namn[lang].isEmpty())
                ort->Namn[lang] = ort->Namn[1];
        ort->Niva = r.Niva;
        ort->Klass1 = r.Klass1;
        ort->Klass2 = r.Klass2;
        ort->Grupp1 = r.Grupp1;
        ort->Grupp2 = r.Grupp2;
        ort->Grupp3 = r.Grupp3;
        ort->Latitud = r.Latitud;
        ort->Longitud = r.Longitud;
        ort->Deltar = false;
        ort->Besvarad = false;
        if (!f.Eof()) {
            ort->Nasta = std::make_unique<COrt>();
            ort = ort->Nasta.get();
        }
    }
}

void COrter::Valj(const QString& key, int32_t niva, bool klass1, bool klass2) {
    for (COrt* o = Forsta.get(); o; o = o->Nasta.get()) {
        const bool matches = niva >= o->Niva &&
                             (key == o->Grupp1 || key == o->Grupp2 || key == o->Grupp3) &&
                             (o->Klass1 || !klass1) && (o->Klass2 || !klass2);
        if (!matches)
            continue;
        if (!o->Deltar)
            ++Kvar;
        o->Deltar = true;
        o->Besvarad = false;
    }
    Valda = Kvar;
}

COrt* COrter::Vantande(int32_t k) const {
    for (COrt* o = Forsta.get(); o; o = o->Nasta.get())
        if (o->Deltar && !o->Besvarad && k-- == 0)
            return o;
    return nullptr;
}

COrt* COrter::ForstIOrdning(const QStringList& ordning,
                            const std::function<QString(const COrt&)>& nyckel) const {
    for (const QString& key : ordning)
        for (COrt* o = Forsta.get(); o; o = o->Nasta.get())
            if (o->Deltar && !o->Besvarad && nyckel(*o) == key)
                return o;
    return nullptr;
}

void COrter::Nollstall() {
    for (COrt* o = Forsta.get(); o; o = o->Nasta.get()) {
        o->Deltar = false;
        o->Besvarad = false;
    }
    Kvar = 0;
}
