// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovningar.h"

#include "exercises/Ovningsslag.h"

#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"
#include "data/Language.h"
#include "maps/Areas.h"

TCatalogueRecord TCatalogueRecord::Read(TByteFile& f, const QString& typ) {
    TCatalogueRecord r;
    r.Typ = typ;
    for (QString& namn : r.Namn)
        namn = f.ReadString();
    r.Nummer = f.ReadInt16();
    r.Niva = f.ReadByte();
    r.Linjebredd = f.ReadByte();
    r.KravPlats1 = f.ReadByte() != 0;
    r.KravPlats2 = f.ReadByte() != 0;
    r.Reserv = f.ReadByte() != 0;
    r.Kartnummer = f.ReadInt16();
    r.Ortfil = f.ReadInt16();
    r.Varldsdel = f.ReadString();
    for (uint32_t* farg : {&r.Landfarg, &r.Ovningsfarg, &r.Vattenfarg})
        *farg = static_cast<uint32_t>(f.ReadInt32());
    for (double* vy : {&r.VyNord, &r.VySyd, &r.VyMitt})
        *vy = DecodeDegrees(f.ReadInt32());
    const int antal = f.ReadInt16();
    for (int i = 1; i <= antal; ++i) {
        r.Objekt << f.ReadString();
        RangeCheck(i, 1, kMaxObjekt);
    }
    return r;
}

void TCatalogueRecord::Write(TByteWriter& w) const {
    w.WriteString(Typ);
    for (const QString& namn : Namn)
        w.WriteString(namn);
    w.WriteInt16(Nummer);
    for (int b : {Niva, Linjebredd, int(KravPlats1), int(KravPlats2), int(Reserv)})
        w.WriteByte(b);
    w.WriteInt16(Kartnummer);
    w.WriteInt16(Ortfil);
    w.WriteString(Varldsdel);
    for (uint32_t farg : {Landfarg, Ovningsfarg, Vattenfarg})
        w.WriteInt32(static_cast<int32_t>(farg));
    for (double vy : {VyNord, VySyd, VyMitt})
        w.WriteInt32(EncodeDegrees(vy));
    w.WriteInt16(static_cast<int>(Objekt.size()));
    for (const QString& item : Objekt)
        w.WriteString(item);
}

COvningar::~COvningar() {
    // Unlink one by one, so a long list cannot exhaust the stack.
    std::shared_ptr<COvning> entry = std::move(Forsta);
    while (entry)
        entry = std::move(entry->Nasta);
}

std::shared_ptr<COvning> COvningar::Skapa(const QString& keyword) {
    return SkapaOvning(keyword);
}

void COvningar::LasOvningar(const QString& fileName) {
    TByteFile file(fileName);
    QString keyword = file.ReadString();
    Forsta = Skapa(keyword);
    COvning* current = Forsta.get();
    while (!file.Eof()) {
        COvning& e = *current;
        e.Typ = keyword;
        const TCatalogueRecord r = TCatalogueRecord::Read(file, keyword);
        for (int language = 1; language <= kLanguageCount; ++language)
            e.Namn[language] = r.Namn[language - 1];
        e.Nummer = r.Nummer;
        e.Niva = r.Niva;
        e.Linjebredd = r.Linjebredd;
        e.KravPlats1 = r.KravPlats1;
        e.KravPlats2 = r.KravPlats2;
        e.Reserv = r.Reserv;
        e.Kartnummer = r.Kartnummer;
        e.Ortfil = r.Ortfil;
        e.Varldsdel = r.Varldsdel;
        e.Landfarg = r.Landfarg;
        e.Ovningsfarg = r.Ovningsfarg;
        e.Vattenfarg = r.Vattenfarg;
        e.VyNord = r.VyNord;
        e.VySyd = r.VySyd;
        e.VyMitt = r.VyMitt;
        e.Antal = static_cast<int32_t>(r.Objekt.size());
        for (int i = 1; i <= e.Antal; ++i)
            e.Objekt(i) = r.Objekt[i - 1];
        if (file.Eof())
            break;
        keyword = file.ReadString();
        e.Nasta = Skapa(keyword);
        current = e.Nasta.get();
    }
}

std::shared_ptr<COvning> COvningar::HittaOvning(const QString& name) const {
    RangeCheck(LanguageIndex, 1, kLanguageCount);
    for (std::shared_ptr<COvning> e = Forsta; e; e = e->Nasta)
        if (e->Namn[LanguageIndex] == name)
            return e;
    return nullptr;
}

std::shared_ptr<COvning> COvningar::HittaNummer(int32_t nummer) const {
    for (std::shared_ptr<COvning> e = Forsta; e; e = e->Nasta)
        if (e->Nummer == nummer)
            return e;
    return nullptr;
}
