// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class TMisstagsregister;

// The players of a shared computer, each with a record of mistakes of their
// own. The record that the program has always kept, "mistakes.sqlite" in the
// data folder, is the default player's: the desktop user's, as before players
// had names, and it is never rewritten for them. Each named player's record is
// a file of its own in the folder "players" beside it. The file is named by a
// digest of the name, so that no name, whatever its characters, becomes part
// of a path; the name itself, as first given, is kept inside the file (see
// TMisstagsregister::Spelarnamn). Two records never share a file, so pupils'
// games cannot mix.

// The longest name kept, in characters.
constexpr int kLangstaSpelarnamn = 40;

struct TSpelare {
    QString Namn; // as first given; empty for the default player
    QString Fil;  // the record
    bool Standard() const { return Namn.isEmpty(); }
    // The name shown and exported: the player's, or the desktop user's for
    // the default player.
    QString VisatNamn() const;
};

// The name as it is kept: line breaks, tabs and other control characters as
// spaces, runs of spaces as one, none at the ends, in Unicode's composed form,
// at most kLangstaSpelarnamn characters (never half of a character that needs
// two UTF-16 units). Empty when nothing is left.
QString RensatSpelarnamn(const QString& namn);
// Whether two names are one player's: their kept forms equal without regard
// to case ("Åsa" and "åsa"), and neither empty.
bool SammaSpelare(const QString& a, const QString& b);

// The players whose records lie in the folder (the data folder): the default
// player first, then the named ones in alphabetical order. A file in
// "players" whose name cannot be read is no player.
std::vector<TSpelare> SpelareI(const QString& mapp);
// The named player of the folder: the one of that name (SammaSpelare), or a
// new one whose record is made with the name in it, in one transaction, so
// that a program killed meanwhile leaves no player or a whole one. The
// default player when the name is the desktop user's. EGlobina when the name
// is empty or the record cannot be made.
TSpelare SpelareMedNamn(const QString& mapp, const QString& namn);

// The same for the program's data folder, the folder of MisstagFileName().
std::vector<TSpelare> Spelarna();
TSpelare LaggTillSpelare(const QString& namn);

// Who is playing: the default player at every start of the program, so that
// a pupil who does not choose plays in the shared record, never in the last
// pupil's.
const TSpelare& AktuellSpelare();
void SattAktuellSpelare(const TSpelare& spelare);

// The program's record of the player, opened at its first use and kept for
// the run (Misstagsregister() is the current player's).
TMisstagsregister& MisstagsregisterFor(const TSpelare& spelare);
