// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Errors.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for the data files a test writes.
class TestDir {
public:
    TestDir();
    QString Path(const QString& name) const;
    // Writes raw bytes to a file in the folder and returns its full name.
    QString Write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

QByteArray ReadAll(const QString& path);

// The message of the exception of type E that f raises; empty when it raises none.
template <class E, class F> QString MessageOf(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.Message();
    }
    return {};
}
