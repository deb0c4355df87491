// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Ovningar.h"

#include "data/ByteFile.h"
#include "data/Errors.h"
#include "data/Language.h"
#include "exercises/OvningFlagga.h"
#include "exercises/OvningLandArea.h"
#include "exercises/OvningMulti.h"
#include "exercises/OvningOrt.h"

COvningar::~COvningar() {
    // Unlink one by one, so a long list cannot exhaust the stack.
    std::shared_ptr<COvning> entry = std::move(Forsta);
    while (entry)
        entry = std::move(entry->Nasta);
}

std::shared_ptr<COvning> COvningar::Skapa(const QString& keyword) {
    if (keyword == QLatin1String("AREA"))
        return std::make_shared<COvningLandArea>();
    if (keyword == QLatin1String("ORT"))
        return std::make_shared<COvningOrt>();
    if (keyword == QLatin1String("FLAGG"))
        return std::make_shared<COvningFlagga>();
    return std::make_shared<COvningMulti>();
}

void COvningar::LasOvningar(const QString& fileName) {
    TByteFile file(fileName);
    QString keyword = file.ReadString();
    Forsta = Skapa(keyword);
    COvning* current = Forsta.get();
    while (!file.Eof()) {
        COvning& e = *current;
        e.Typ = keyword;
        for (int language = 1; language <= kLanguageCount; ++language)
            e.Namn[language] = file.ReadString();
        e.Nummer = file.ReadInt16();
        e.Niva = file.ReadByte();
        e.Linjebredd = file.ReadByte();
        e.KravPlats1 = file.ReadByte() != 0;
        e.KravPlats2 = file.ReadByte() != 0;
        e.Reserv = file.ReadByte() != 0;
        e.Kartnummer = file.ReadInt16();
        e.Ortfil = file.ReadInt16();
        e.Varldsdel = file.ReadString();
        e.Landfarg = static_cast<uint32_t>(file.ReadInt32());
        e.Ovningsfarg = static_cast<uint32_t>(file.ReadInt32());
        e.Vattenfarg = static_cast<uint32_t>(file.ReadInt32());
        e.VyNord = file.ReadInt32() / 10000.0;
        e.VySyd = file.ReadInt32() / 10000.0;
        e.VyMitt = file.ReadInt32() / 10000.0;
        e.Antal = file.ReadInt16();
        for (int i = 1; i <= e.Antal; ++i)
            e.Objekt(i) = file.ReadString();
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
