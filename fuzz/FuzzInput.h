// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Errors.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>

// The loaders read named files, so each input is written to one scratch file
// of the process first. A loader may end only in one of the program's
// documented failures (the EGlobina family); anything else is a finding.
inline const QString& FuzzFileName() {
    struct Scratch {
        QString name = QDir::tempPath() + QStringLiteral("/globina-fuzz-") +
                       QString::number(QCoreApplication::applicationPid()) +
                       QStringLiteral(".input");
        ~Scratch() { QFile::remove(name); }
    };
    static const Scratch scratch;
    return scratch.name;
}

template <class Load> int FuzzLoad(const uint8_t* data, size_t size, Load load) {
    const QString& name = FuzzFileName();
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the scratch file %s", qPrintable(name));
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    try {
        load(name);
    } catch (const EGlobina&) {
    }
    return 0;
}
