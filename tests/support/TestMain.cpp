// SPDX-License-Identifier: GPL-3.0-or-later
// One main for every test binary: GoogleTest with a QApplication, so that
// widget tests (QtTest) and model tests share a binary.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Test listing runs without CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
