// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Errors.h"

EGlobina::EGlobina(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {
}

EInOutError::EInOutError(QString message, int code) : EGlobina(std::move(message)), code_(code) {
}

EFileNotFound::EFileNotFound(const QString& fileName)
    : EInOutError(QStringLiteral("File \"%1\" not found.").arg(fileName), 2) {
}

EFileOpenFailed::EFileOpenFailed(const QString& reason, int code)
    : EInOutError(QStringLiteral("File open failed: ") + reason, code) {
}

ERangeError::ERangeError() : EGlobina(QStringLiteral("Range check error")) {
}
