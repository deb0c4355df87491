// SPDX-License-Identifier: GPL-3.0-or-later
#include "maps/Places.h"

#include "data/ByteFile.h"

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
        f.ReadString(); // identifier, unused
        for (int lang = 1; lang <= 8; ++lang)
            ort->Namn[lang] = f.ReadString();
        ort->Niva = f.ReadInt16();
        // Languages 2 to 6 fall back on the first; 7 and 8 stay as stored.
        for (int lang = 2; lang <= 6; ++lang)
            if (ort->Namn[lang].isEmpty())
                ort->Namn[lang] = ort->Namn[1];
        ort->Klass1 = f.ReadByte() != 0;
        ort->Klass2 = f.ReadByte() != 0;
        ort->Grupp1 = f.ReadString();
        ort->Grupp2 = f.ReadString();
        ort->Grupp3 = f.ReadString();
        ort->Latitud = f.ReadInt32() / 10000.0;
        ort->Longitud = f.ReadInt32() / 10000.0;
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

void COrter::Nollstall() {
    for (COrt* o = Forsta.get(); o; o = o->Nasta.get()) {
        o->Deltar = false;
        o->Besvarad = false;
    }
    Kvar = 0;
}
