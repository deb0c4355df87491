// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include <QSettings>

TSettingsStore::TSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Globina"))) {
}

TSettingsStore::~TSettingsStore() = default;

std::optional<int> TSettingsStore::ReadNumber(const QString& group, const QString& name) const {
    const QVariant value = settings_->value(group + QLatin1Char('/') + name);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

void TSettingsStore::WriteText(const QString& group, const QString& name, const QString& value) {
    settings_->setValue(group + QLatin1Char('/') + name, value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError || !settings_->isWritable())
        throw EStoreError();
}
