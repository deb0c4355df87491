// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// A name as typed answers compare it: lower case, without diacritics, a
// leading article, hyphens, apostrophes, spaces and other marks.
QString NormaliseraNamn(const QString& namn);

// Edit distance with adjacent transpositions (optimal string alignment).
int Redigeringsavstand(const QString& a, const QString& b);

// Other names in common use for some items, in any language: each group
// lists names of one item.
const std::vector<QStringList>& Namnvarianter();

// Tells which of the asked items a typed name is. Each item has its names:
// the first is the one shown (the current language), the others count as
// variants. A name is accepted with one typing error per six letters, as
// long as no other item comes as close or closer.
class CNamnmatchning {
public:
    // Adds an item with its names (empty ones are skipped) and the variants
    // of the table that any of them belongs to; returns its index from 0.
    int LaggTill(const QStringList& namn);
    // An area or a place by its names in the eight languages (slots 1..8),
    // the current language's first: the one shown.
    int LaggTill(const std::array<QString, 9>& namn);
    int Antal() const { return static_cast<int>(objekt_.size()); }

    // The item the text names, or -1 for none (or no single one).
    int Matcha(const QString& text) const;
    // The shown names of the items whose shown name or a variant of the
    // table starts with the text, compared normalised, once it has two
    // letters; in normalised order. The other languages' names would crowd
    // the list.
    QStringList Kompletteringar(const QString& text) const;

private:
    struct TObjekt {
        QString Visat;
        QStringList Normal;  // every accepted name, normalised
        QStringList Forslag; // the shown name and the table's variants, normalised
    };
    std::vector<TObjekt> objekt_;
};
