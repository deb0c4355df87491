#pragma once

#include "data/ByteWriter.h"
#include "data/Globals.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "exercises/Random.h"
#include "maps/MapFiles.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QMetaObject>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

// Data files in a folder of their own that is the current folder, fixed
// texts and random clock, and recorders for the top-ten screen, message boxes
// and the help document in place of modal windows and desktop programs.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldFolder = QDir::currentPath();
        QDir::setCurrent(dir.Path(""));
        ChooseColorScheme(32, 1);
        ShowTimer = true;
        SoundsOn = false;
        LanguageIndex = 2;
        const std::pair<int, const char*> texts[] = {
            {9, "Click on"},    {10, "lies in"}, {11, "Top ten"},         {12, "Quit"},
            {13, "Capital of"}, {14, "?"},       {17, "Multiple choice"}, {23, "Restart"}};
        for (const auto& [n, t] : texts)
            LanguageTexts(2, n) = t;
        GlobinaRandom::SetClock([] { return 4711u; });
        oldVisare =
            SetTopplistaVisare([this](QWidget*, int32_t nummer, const QString&, int32_t score) {
                topList.push_back({nummer, score});
            });
        oldBox = SetMessageBoxHook([this](TBoxKind, const QString& text) { boxes << text; });
        oldShell = SetShellHook([this](const QString& target) { opened << target; });
    }

    void TearDown() override {
        SetShellHook(oldShell);
        SetMessageBoxHook(oldBox);
        SetTopplistaVisare(oldVisare);
        GlobinaRandom::SetClock(nullptr);
        LanguageTexts.Clear();
        QDir::setCurrent(oldFolder);
    }

    void WriteAreas(const QString& name, const std::vector<TestArea>& areas) {
        TByteWriter w;
        for (const auto& a : areas)
            WriteArea(w, a);
        w.SaveTo(dir.Path(name));
    }

    void WritePlaces(const QString& name, const std::vector<TestPlace>& places) {
        TByteWriter w;
        for (const auto& p : places)
            WritePlace(w, p);
        w.SaveTo(dir.Path(name));
    }

    void WriteSea(const QString& name, const std::vector<std::pair<double, double>>& points) {
        TByteWriter w;
        for (const auto& [lat, lon] : points) {
            w.WriteInt32(Tenths(lat));
            w.WriteInt32(Tenths(lon));
        }
        w.SaveTo(dir.Path(name));
    }

    // An area with the same name in the first two languages.
    static TestArea Country(const QString& key, double syd, double vast, double nord, double ost) {
        TestArea a = Box(key, syd, vast, nord, ost);
        a.names = {key, key};
        return a;
    }

    // One tick of a timer, at once.
    static void Tick(QTimer* timer) { QMetaObject::invokeMethod(timer, "timeout"); }

    TestDir dir;
    QString oldFolder;
    TTopplistaVisare oldVisare;
    TMessageBoxHook oldBox;
    TShellHook oldShell;
    std::vector<std::pair<int32_t, int32_t>> topList; // exercise number, score
    QStringList boxes;
    QStringList opened;
};
