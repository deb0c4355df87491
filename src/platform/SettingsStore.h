// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QSettings;

// The per-user settings store of the program ("Globina"), values kept as text
// under groups such as "Options" and "Languages".
class TSettingsStore {
public:
    TSettingsStore();
    ~TSettingsStore();

    // The value read as a whole number; nothing when missing or not a number.
    std::optional<int> ReadNumber(const QString& group, const QString& name) const;
    // Writes a text value. Throws EStoreError when the store cannot be written.
    void WriteText(const QString& group, const QString& name, const QString& value);

private:
    std::unique_ptr<QSettings> settings_;
};

class EStoreError : public std::exception {
public:
    const char* what() const noexcept override { return "settings store error"; }
};
