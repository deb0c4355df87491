// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TAudio;
class TShape;

// The settings and About dialog: sound effects, music, clock, the answers'
// colours and marks, and language,
// the version, the program's licence, and every source of the shipped data with
// its licence and a link. The sound settings are those of the audio it is
// given (none: both shown off).
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr, TAudio* audio = nullptr);

    // Runs the main menu's show step again after a change of language.
    void SetLanguageChanged(std::function<void()> callback) {
        languageChanged_ = std::move(callback);
    }

    // Stores the settings and closes (the OK button).
    void Ok();
    // Puts the current language's words on the credits; each opening does.
    void ApplyTexts();

    QComboBox* cboLanguage;
    QCheckBox* chkSound;
    QCheckBox* chkMusic;
    QCheckBox* chkShowTimer;
    // Projector mode's size in per cent (its item data), taken at the next start.
    QLabel* lblProjector;
    QComboBox* cboProjector;
    QCheckBox* chkFargblind; // the colour-blind-safe colours
    QCheckBox* chkMarken;    // marks on answers with the normal colours
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QPushButton* cmdOK;

    // One source of the shipped data: its licence (empty for public domain)
    // and the page its link opens. What it gave is the screen text
    // TextNo::FirstSourceGave onwards, in the order of kSources.
    struct TSource {
        QString Name;
        QString Licence;
        QString Url;
    };
    static const std::vector<TSource> kSources;
    // One link label per source, in the order of kSources; a click opens its page.
    std::vector<QLabel*> lblSources;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TShape* Shape4;
    TShape* Shape5;
    TAudio* audio_;
    std::function<void()> languageChanged_;
    bool languagePicked_ = false;

    void SelectCurrentLanguage();
};

extern TfrmAbout* frmAbout;
