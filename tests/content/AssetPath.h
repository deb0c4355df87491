// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Shipped assets are copied beside the executables.
inline QString AssetPath(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}
