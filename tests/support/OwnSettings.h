// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/BoxRecorder.h"
#include "support/TestFiles.h"

#include <QSettings>
#include <QStringList>
#include <gtest/gtest.h>

// A settings store of the test's own in its folder, and the texts of the
// message boxes shown, whose hook is put back afterwards.
class OwnSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.Path("config"));
    }

    // The organisation's native user store, as the program opens it.
    static void Store(const QString& key, const QString& value) {
        QSettings("Globina").setValue(key, value);
    }
    static QString Stored(const QString& key) { return QSettings("Globina").value(key).toString(); }

    TestDir dir;
    TBoxRecorder recorder;
    QStringList& boxes = recorder.texts;
};
