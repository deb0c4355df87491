// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "scores/ScoreFile.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class TImage;

// One exercise of the catalogue as the top list shows it.
struct TTopplistaRad {
    int32_t Nummer = 0;
    QString Namn; // in the current language
    // Another list of the exercise (another way of answering), shown only
    // once it holds a result; 0: the exercise's own, always shown.
    int32_t Lista = 0;
};

// The best result of every exercise, one line each in catalogue order, and
// of its other ways of answering that hold one.
class TfrmTopplista : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTopplista(QWidget* parent = nullptr);

    // Reads the highscore file (a missing one is an empty table) and fills the
    // list. A damaged file is copied aside and reported as the top-ten screen
    // does, and the list shows what was read before the damage. Throws the
    // range error for an exercise number outside 1..200; the caller reports it
    // and does not show the list.
    void LoadScores(const QString& fileName, const std::vector<TTopplistaRad>& ovningar);

    QFrame* Panel1;
    QLabel* lblRubrik;
    TImage* imgBlomma1;
    TImage* imgBlomma2;
    QTableWidget* grdLista;
    QPushButton* cmdOK;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillGrid(const std::vector<TTopplistaRad>& ovningar);
    void SwapFlowers();

    TScoreTable Scores;
    QString FileName;
};
