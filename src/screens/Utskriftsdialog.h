// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/Utskrift.h"

#include <QDialog>
#include <memory>
#include <optional>

class COvning;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Print…": how to print the exercise (language, paper, the names' map, the
// numbered map or the worksheet) and the PDF file to write. Printing opens
// the file with the desktop's viewer, from which it goes to the printer.
class TfrmUtskrift : public QDialog {
    Q_OBJECT
public:
    // A view to print in place of the exercise's own (the map screen's).
    TfrmUtskrift(QWidget* parent, std::shared_ptr<COvning> ovning,
                 std::optional<TUtskriftsvy> vy = std::nullopt);

    TUtskriftsval Val() const;
    // Writes the PDF and opens it; false, with the reason shown, when it failed.
    bool SkrivUtNu();

    QComboBox* cboSprak;
    QComboBox* cboPapper;
    QRadioButton* optNummer;
    QRadioButton* optNamn;
    QCheckBox* chkNamnkarta;
    QLineEdit* txtFil;
    QPushButton* cmdBladdra;
    QPushButton* cmdSkrivUt;
    QPushButton* cmdAvbryt;

private:
    std::shared_ptr<COvning> ovning_;
    std::optional<TUtskriftsvy> vy_;
};

// Shows the dialog for the exercise and prints when asked.
void VisaUtskrift(QWidget* parent, const std::shared_ptr<COvning>& ovning,
                  std::optional<TUtskriftsvy> vy = std::nullopt);
