// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ByteFile.h"
#include "data/ByteWriter.h"
#include "data/Errors.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// Writes the record, reads it back with read(file) and returns the bytes in
// hex; a record that does not come back whole, or leaves bytes unread, fails.
template <class Record, class Read> QByteArray RoundTrip(const Record& record, Read read) {
    TByteWriter w;
    record.Write(w);
    TestDir dir;
    TByteFile f(dir.Write("record.crp", w.Bytes()));
    EXPECT_TRUE(read(f) == record);
    EXPECT_TRUE(f.Eof());
    return w.Bytes().toHex();
}
