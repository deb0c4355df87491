// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QSettings;

// A setting's place in the store: its group and its name.
struct TSetting {
    const char* Group;
    const char* Name;
};

// Every setting the program keeps; the menu reads them, the settings dialog
// writes them.
namespace Setting {
inline constexpr TSetting Music{"Options", "Music"};     // 1 on, 0 off
inline constexpr TSetting Sounds{"Options", "Sounds"};   // 1 on, 0 off
inline constexpr TSetting Timer{"Options", "Timer"};     // 1 shows the clock
inline constexpr TSetting Language{"Languages", "From"}; // the language's number, 1..8
// Projector mode, read at the start: texts, buttons and the map's marks at
// this size in per cent, 150 or 200; 100 (also when missing) as designed.
inline constexpr TSetting Projector{"Options", "Projector"};
// The colour-blind-safe answer colours, with marks on answered items: 1 on,
// 0 (also when missing) off. The marks alone, with the normal colours: the same.
inline constexpr TSetting ColourBlind{"Options", "ColourBlind"};
inline constexpr TSetting AnswerMarks{"Options", "AnswerMarks"};
// A typed game's list of completions: 1 on (also when missing), 0 off.
inline constexpr TSetting SuggestNames{"Answering", "Suggest"};
// How an exercise is answered is kept per exercise, its number the name:
// 0 (also when missing) by clicking, 1 by typing the name, 2 four choices,
// 3 capitals from the map.
inline constexpr const char* kAnsweringGroup = "Answering";
} // namespace Setting

// The per-user settings store of the program ("Globina"), values kept as text.
class TSettingsStore {
public:
    TSettingsStore();
    ~TSettingsStore();

    // The value read as a whole number; nothing when missing or not a number.
    std::optional<int> ReadNumber(const TSetting& setting) const;
    // Writes a text value. Throws EStoreError when the store cannot be written.
    void WriteText(const TSetting& setting, const QString& value);

private:
    std::unique_ptr<QSettings> settings_;
};

class EStoreError : public std::exception {
public:
    const char* what() const noexcept override { return "settings store error"; }
};
