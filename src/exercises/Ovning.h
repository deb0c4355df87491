// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GameLog.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class CKarta;
class COvningBlandad;
class QWidget;
class TAudio;
class TOvningsformular;

constexpr int kMaxObjekt = 100;

// How a map exercise is answered, chosen beside Start and kept per exercise
// (the settings keep the number). Clicking is the Parts' game; the others
// mark the asked item on the map.
enum class TSvarssatt {
    Klicka = 0,   // click the named item
    Skriva = 1,   // type the name of the marked item
    Fyra = 2,     // name the marked area among four choices (area exercises)
    Huvudstad = 3 // click or type the capital of the marked area (area exercises)
};

// Where a capitals game finds the capitals of its areas: the catalogue's
// capitals exercise on the same map, whose places are chosen by the areas'
// keys.
struct THuvudstader {
    int32_t Ovning = 0; // that exercise's number; 0: none
    int32_t Ortfil = 0;
    int32_t Niva = 0;
    bool KravPlats1 = false;
    bool KravPlats2 = false;
    QStringList Objekt; // its items: only these areas have a capital in the game
};

// An answer as a screen hands it to the exercise.
struct TKlick {
    float Lat = 0; // clicked point on a map screen, degrees
    float Lon = 0;
    int32_t Nr = 0; // chosen flag (1-based) or answer box (1..4), also the map's four choices
    // A name typed instead of a click: what it names answers, or if it names
    // no item, the text is what was given.
    bool Skrivet = false;
    QString Namn = {};
};

// One exercise of the catalogue: its settings from the file and the state of
// the game being played with it. The kinds decide what a question is and how
// an answer is judged.
class COvning {
public:
    virtual ~COvning() = default;

    // Poses the next question and returns its text; empty when the game is over.
    virtual QString NastaFraga() = 0;
    virtual bool ArRatt(const TKlick& klick) = 0;
    // The answer is neither right nor wrong and is not counted.
    virtual bool Ignoreras(const TKlick& klick);
    virtual void RattSvar();
    virtual void FelSvar(const TKlick& klick);
    // Resets the game and prepares the map; the kinds also pose the first question.
    virtual void Starta(TOvningsformular* formular);
    // One tick of the screen's blink timer. On a map the asked item shows
    // highlighted from the tick after the third wrong answer to it and
    // alternates with its unhighlighted look from the fourth on.
    virtual void Blinka();
    // Whether the next Blinka can change what is shown: the highlight of the
    // answer is still to be drawn, or it alternates from the fourth wrong
    // answer on. The screen's blink timer rests otherwise.
    virtual bool Blinkar() const { return Blinklage == 1 || (Blinklage == 2 && FelDenna > 3); }
    // Draws the map afresh at its present view, as the game stands: answered
    // colours, the highlighted answer, the labels of answered places. Map
    // exercises only; the others have nothing to draw.
    void RitaOm();
    // In a game that marks the asked item, the item drawn in the mark colour
    // (unless the answer is being shown).
    void MarkeraFragan();
    static QColor Markfarg() { return QColor(255, 0, 255); }

    void MarkeraObjekt();
    // Whether the item is asked in this game: every item, or in a practice
    // game only those of Ovningsobjekt.
    bool Fragas(const QString& key) const;
    bool Ovningsspel() const { return !Ovningsobjekt.isEmpty(); }
    // Opens the top-ten list of the exercise with the score (-1: only show it).
    void VisaTopplista(int32_t score, QWidget* owner);
    // A question or caption of the other ways of answering: the text, or
    // where the table lacks it (one written before) a text of its own, as an
    // empty question would end the game.
    static QString Skrivfraga(int text, const char* reserv);
    // The list a game goes to: each way of answering has its own.
    int32_t Topplistenummer() const;
    // Map kinds: the names of the game's items that complete a typed text.
    virtual QStringList Kompletteringar(const QString& /*text*/) const { return {}; }
    // Map kinds: the asked item's name in the current language (in a
    // capitals game the capital's), the answer that a typed game shows.
    virtual QString FragatNamn() const { return QString(); }
    // A four-choice question's choices, boxes 1..4 (fewer where the map has
    // too few areas); empty in the other ways of answering.
    virtual QStringList Svarsval() const { return {}; }
    // The exercise that asks the current question: this one, or in a game
    // of several exercises the one whose turn it is.
    virtual COvning* Fragande() { return this; }
    const COvning* Fragande() const { return const_cast<COvning*>(this)->Fragande(); }

    // The asked item is marked on the map rather than named.
    bool Markerar() const { return Svarssatt != TSvarssatt::Klicka; }
    // A name can be typed as the answer.
    bool Skriver() const {
        return Svarssatt == TSvarssatt::Skriva || Svarssatt == TSvarssatt::Huvudstad;
    }
    // The place file the game's map takes its places from: in a capitals
    // game that of the capitals.
    int32_t Platsfil() const {
        return Svarssatt == TSvarssatt::Huvudstad && Huvudstader.Ovning != 0 ? Huvudstader.Ortfil
                                                                             : Ortfil;
    }

    // Item i, 1..Antal (range-checked against 1..100).
    QString& Objekt(int i);
    const QString& Objekt(int i) const;
    bool& Fragad(int i);
    // The name in the current language.
    const QString& NamnNu() const;

    int32_t Nummer = 0;
    std::array<QString, 9> Namn; // languages 1..8
    QString Typ;
    TOvningsformular* Formular = nullptr; // not owned
    int32_t Niva = 0;
    uint32_t Landfarg = 0; // 0xBBGGRR; 0 keeps the map's colour
    uint32_t Ovningsfarg = 0;
    uint32_t Vattenfarg = 0;
    bool KravPlats1 = false;
    bool KravPlats2 = false;
    bool Reserv = false;
    QString Varldsdel;
    std::shared_ptr<COvning> Nasta;
    CKarta* Karta = nullptr; // not owned
    TAudio* Ljud = nullptr;  // not owned; none: silence
    double VyMitt = 0;
    double VyNord = 0;
    double VySyd = 0;
    int32_t Antal = 0;
    int32_t Kartnummer = 0;
    int32_t Ortfil = 0;
    int32_t Linjebredd = 0;
    std::array<QString, kMaxObjekt + 1> ObjektLista;
    std::array<bool, kMaxObjekt + 1> FragadLista{};
    int32_t Svarat = 0;   // answers counted so far
    int32_t Fel = 0;      // wrong ones among them
    int32_t FelDenna = 0; // wrong answers to the question asked
    int32_t Fragor = 0;   // questions posed so far
    int32_t Procent = 0;  // right answers so far, 0..100
    int32_t Blinklage = 0;
    bool Slut = false;
    // How the game is answered (map kinds; the others are clicked).
    TSvarssatt Svarssatt = TSvarssatt::Klicka;
    // A capitals game's capitals (set with Svarssatt Huvudstad).
    THuvudstader Huvudstader;
    // A practice game asks only these keys (as the game log names them) and
    // is never offered to the top ten; empty for the whole exercise.
    QStringList Ovningsobjekt;
    // A game of today's review: a practice game that asks its items in the
    // order of Ovningsobjekt, so that items confused with each other come
    // one after the other.
    bool Repetition = false;
    // The running game, or the last one: every question asked, in order,
    // with its tries and the wrong answers given.
    TSpelLogg Logg;
    // The game of several exercises that this one asks a share of (not
    // owned), or none. Such a share is started on the map that game
    // prepared and poses no question of its own accord; the percentage
    // shown is the whole game's.
    COvningBlandad* Helhet = nullptr;

protected:
    friend class COvningBlandad;

    // A new question enters the game log.
    void LoggaFraga(const QString& objekt, const QString& namn);
    // The key and the shown name of what a wrong answer gave instead.
    virtual std::pair<QString, QString> Givet(const TKlick& klick) const = 0;
    void BeraknaProcent();
    // Shows the percentage of the game: this one's, or the whole's.
    void VisaProcenten();
    // In a review game, the item among 1..antal that comes first in
    // Ovningsobjekt and is not yet asked; 0 in any other game or when none is left.
    int ForstIOrdning(int antal);
    // The first question of a game, shown on the screen.
    void FragaForst();
    // Gives the map the map screen's picture (if that is the screen) and the
    // view of the game, and draws the game's map; needs a map.
    void VisaKartan(TOvningsformular* formular);
    // The map kinds' drawing: the map of the game as it stands, and the asked
    // item in the colour. The others have no map picture.
    virtual void RitaKartan() {}
    virtual void RitaSvaret(const QColor& /*color*/) {}
    // How the asked item looks between the blinks of its highlight.
    virtual QColor Omarkerad() const { return QColor(); }
    // Lets pending window events run (answers and ticks may be handled inside).
    static void Handelser();
};

// The way of answering as the menu and the top ten name it.
QString SvarssattText(TSvarssatt satt);

// How VisaTopplista reaches the top-ten screen; tests install their own.
using TTopplistaVisare = std::function<void(QWidget* owner, int32_t nummer, const QString& namn,
                                            int32_t score, TAudio* ljud)>;
TTopplistaVisare SetTopplistaVisare(TTopplistaVisare visare);
