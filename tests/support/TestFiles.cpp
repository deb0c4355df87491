// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

TestDir::TestDir() {
    EXPECT_TRUE(dir_.isValid());
}

QString TestDir::Path(const QString& name) const {
    return dir_.filePath(name);
}

QString TestDir::Write(const QString& name, const QByteArray& bytes) const {
    const QString path = Path(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}
