// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TMisstagsregister;

// A player's record of mistakes as a CSV file (RFC 4180, UTF-8, CRLF), one
// line per question asked, for a teacher to collect and open together.

// The columns, as the header line names them.
extern const QStringList kPostKolumner;
// Several wrong answers to one question share a field, joined by this.
extern const QString kPostLista;

// The desktop user's name: the default player's (Spelare.h).
QString SpelarNamn();
// The name the record belongs to: the one it holds, or for the default
// player's record, which holds none, the desktop user's.
QString SpelarNamn(TMisstagsregister& registret);

// One field, quoted when it holds a comma, a quote or a line break.
QString CsvFalt(const QString& text);

// The lines of a CSV text as fields; a quote left open or a stray quote in
// an unquoted field is an error naming the line (1-based) on `felrad`, and
// the lines before it are returned.
std::vector<QStringList> LasCsv(const QString& text, int* felrad = nullptr);

// Writes every question of the record, with the player's name, to the file
// and returns how many; EGlobina when the file cannot be written.
int ExporteraPost(TMisstagsregister& registret, const QString& spelare, const QString& fileName);
// The same with the name the record belongs to.
int ExporteraPost(TMisstagsregister& registret, const QString& fileName);
