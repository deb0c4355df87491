// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/ScoreFile.h"

#include <QDialog>
#include <QString>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TAudio;
class TImage;

// The top-ten screen: the ten best results of one exercise and, when a new
// result enters the list, the edit box in which the player signs it. OK (or
// Enter) writes the whole highscore file back; the title-bar close keeps the
// file as it was. Two windows of the program may share the file (a program
// folder on a school's network drive): OK takes a lock beside the file, reads
// it again and places the result in the list as it stands then, so that a
// result signed in the other window meanwhile stays.
class TfrmTioitopp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTioitopp(QWidget* parent = nullptr);

    // Reads the file, places the score (-1: no new result, only the list) in
    // the list of ExerciseNo and fills the grid. Call before showing. Raises
    // the range error for an ExerciseNo outside 1..200.
    void EnterResult(const QString& fileName, int32_t score);

    QLabel* lblOvningsNamn;
    QFrame* Shape2;
    TImage* Image1;
    QTableWidget* grdLista;
    QLineEdit* txtNySignatur;
    TImage* Image2;
    QPushButton* cmdOK;

    TScoreTable Scores;
    TAudio* Audio = nullptr; // plays the music of a new result; not owned
    QString FileName;
    int NewRank = 0; // 0 while no new result is being signed
    int ExerciseNo = 0;
    QString ExerciseName;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int32_t newScore_ = -1;

    void FillGrid();
    void SaveUnderLock();
    void TakeSignature();
    void cmdOKClick();
};

// Opens the top-ten screen of an exercise modally over its owner, with the
// highscore file beside the program, and destroys it when it closes. A score
// of -1 only shows the list. Failures are shown in a message box.
void ShowTopTen(QWidget* owner, int exerciseNo, const QString& exerciseName, int32_t score,
                TAudio* audio = nullptr);
