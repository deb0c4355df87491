// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include <QSettings>

TSettingsStore::TSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Globina"))) {
}

TSettingsStore::~TSettingsStore() = default;

namespace {

QString Key(const TSetting& s) {
    return QString::fromLatin1(s.Group) + QLatin1Char('/') + QString::fromLatin1(s.Name);
}

} // namespace

std::optional<int> TSettingsStore::ReadNumber(const TSetting& setting) const {
    const QVariant value = settings_->value(Key(setting));
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

void TSettingsStore::WriteText(const TSetting& setting, const QString& value) {
    settings_->setValue(Key(setting), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError || !settings_->isWritable())
        throw EStoreError();
}
