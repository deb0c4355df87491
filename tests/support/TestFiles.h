#pragma once

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
