// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class COvningar;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;
class TKunskapskarta;
class TMisstagsregister;

// "My mistakes": for a part of the world and a kind of exercise, the items
// most often missed with their first-try share and the most frequent
// confusions, from the lasting record. Its practice button closes it with the
// most-missed items chosen (Accepted); the main menu then starts the game.
class TfrmMinaMisstag : public QDialog {
    Q_OBJECT
public:
    // The catalogue (none: no map) gives the part's map.
    TfrmMinaMisstag(QWidget* parent, TMisstagsregister& registret, int varldsdel,
                    const COvningar* ovningar = nullptr);

    // Part 1..7 as the main menu numbers them; kind 0..3 (areas, places,
    // flags, multiple choice).
    void VisaVarldsdel(int n);
    void VisaTyp(int t);

    // What the practice button chose: the part's code, the kind's keyword and
    // the items, most missed first.
    QString Varldsdel() const;
    QString Typ() const;
    QStringList OvningsObjekt() const { return objekt_; }
    // Writes the whole record as CSV to the file; false, with the reason
    // shown, when it cannot.
    bool Exportera(const QString& fileName);
    // Opens the class's exported records and shows what they hold for the
    // part and kind chosen; files that fail are named, the others load. When
    // its practice button is pressed, this closes with the class's items.
    void VisaKlass(const QStringList& fileNames);
    // The exercise the class's items are practised in; 0 for the player's own.
    int Ovning() const { return ovning_; }

    QListWidget* lstParts;
    QListWidget* lstTyper;
    QLabel* lblMissade;
    QTableWidget* grdMissade;
    QLabel* lblForvaxlingar;
    QListWidget* lstForvaxlingar;
    QLabel* lblTomt;
    QPushButton* cmdOva;
    QPushButton* cmdExportera;
    QPushButton* cmdKlass;
    QPushButton* cmdTillbaka;
    // Beside the lists: the part's map coloured by recall today.
    TKunskapskarta* kunskap;
    // Under both: the first-try share of each game of the part and kind.
    QChartView* chtForlopp;
    QLineSeries* serForlopp;
    QValueAxis* axlSpel;

private:
    void Fyll();

    TMisstagsregister& registret_;
    const COvningar* ovningar_;
    int varldsdel_ = 1;
    int typ_ = 0;
    QStringList objekt_;
    int ovning_ = 0;
};
