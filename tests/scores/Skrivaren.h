// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>
#include <gtest/gtest.h>

// Runs misstag_writer with the arguments, waits for it to print `rader`
// lines, kills it within `inom` microseconds after, and gives what it
// printed. A failed start or a silent writer is a test failure.
inline QByteArray DodadSkrivare(const QStringList& argument, int rader, int inom) {
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + "/misstag_writer", argument);
    EXPECT_TRUE(child.waitForStarted());
    QByteArray out;
    while (out.count('\n') < rader) {
        if (!child.waitForReadyRead(10000)) {
            ADD_FAILURE() << "the writer printed nothing: " << child.readAllStandardError().data();
            break;
        }
        out += child.readAllStandardOutput();
    }
    QThread::usleep(QRandomGenerator::global()->bounded(inom));
    child.kill();
    child.waitForFinished();
    return out + child.readAllStandardOutput();
}

// The last number the writer printed.
inline int SistRapporterat(const QByteArray& out) {
    return out.trimmed().split('\n').last().toInt();
}
