// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/TestScreens.h"

#include <QDir>
#include <QMetaObject>
#include <QTimer>

// The engine's texts, clock and top-list recorder, with the data files in a
// folder of their own that is the current folder, and recorders for message
// boxes and the help document in place of modal windows and desktop programs.
class ScreenTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        oldFolder = QDir::currentPath();
        QDir::setCurrent(dir.Path(""));
        ShowTimer = true;
        oldBox = SetMessageBoxHook([this](TBoxKind, const QString& text) { boxes << text; });
        oldShell = SetShellHook([this](const QString& target) { opened << target; });
    }

    void TearDown() override {
        SetShellHook(oldShell);
        SetMessageBoxHook(oldBox);
        QDir::setCurrent(oldFolder);
        EngineTest::TearDown();
    }

    // An exercise of the kind on the map and place file numbers, asking for the items.
    template <class Kind>
    std::shared_ptr<Kind> Exercise(int nummer, int kartnummer, int ortfil,
                                   const QStringList& items) {
        auto ex = std::make_shared<Kind>();
        ex->Nummer = nummer;
        ex->Kartnummer = kartnummer;
        ex->Ortfil = ortfil;
        ex->Linjebredd = 1;
        SetItems(*ex, items);
        return ex;
    }

    // One tick of a timer, at once.
    static void Tick(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

    using TopList = decltype(topList);

    QString oldFolder;
    TMessageBoxHook oldBox;
    TShellHook oldShell;
    QStringList boxes;
    QStringList opened;
};
