// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"
#include "support/BoxRecorder.h"
#include "support/TestScreens.h"

#include <QDir>
#include <QMetaObject>
#include <QTimer>

// The engine's texts, clock and top-list recorder, with the data files in a
// folder of their own that is the current folder, and recorders for message
// boxes and the help document in place of modal windows and desktop programs;
// an exercise of the kind and its screen.
template <class Kind, class Screen> class ScreenTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        oldFolder = QDir::currentPath();
        QDir::setCurrent(dir.Path(""));
        ShowTimer = true;
        oldShell = SetShellHook([this](const QString& target) { opened << target; });
    }

    void TearDown() override {
        SetShellHook(oldShell);
        QDir::setCurrent(oldFolder);
        EngineTest::TearDown();
    }

    // A new exercise on the map and place file numbers, asking for the items.
    void Exercise(int nummer, int kartnummer, int ortfil, const QStringList& items) {
        ex = std::make_shared<Kind>();
        ex->Nummer = nummer, ex->Kartnummer = kartnummer, ex->Ortfil = ortfil;
        ex->Linjebredd = 1;
        SetItems(*ex, items);
    }
    // A new screen, started on the exercise.
    void Open() {
        screen = std::make_unique<Screen>(nullptr, Qt::Window);
        screen->StartaOvning(ex);
    }

    // One tick of a timer, at once.
    static void Tick(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

    using TopList = decltype(topList);

    QString oldFolder;
    TShellHook oldShell;
    TBoxRecorder recorder;
    QStringList& boxes = recorder.texts;
    QStringList opened;
    std::shared_ptr<Kind> ex;
    std::unique_ptr<Screen> screen;
};
