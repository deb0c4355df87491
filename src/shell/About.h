#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TAudio;
class TShape;

// The settings and About dialog: sound effects, music, clock and language,
// the version and credits, and links to the web sites. The sound settings
// are those of the audio it is given (none: both shown off).
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

    QComboBox* cboLanguage;
    QCheckBox* chkSound;
    QCheckBox* chkMusic;
    QCheckBox* chkShowTimer;
    QLabel* lblVersion;
    QLabel* lblWeb;
    QLabel* lblLumora;
    QPushButton* cmdOK;

    // The home pages of the two sources of the geography, which the links open.
    static const QString kMapSource;
    static const QString kPlaceSource;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectCurrentLanguage();

    TShape* Shape4;
    TShape* Shape5;
    TAudio* audio_;
    std::function<void()> languageChanged_;
    bool languagePicked_ = false;
};

extern TfrmAbout* frmAbout;
