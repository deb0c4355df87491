// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>

// The tools draw and measure pictures without showing any: Qt's offscreen
// platform, unless the caller chose another.
inline void PreferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Says how a tool is called and gives the exit status of a wrong call.
inline int Usage(const char* tool, const char* arguments) {
    std::fprintf(stderr, "usage: %s %s\n", tool, arguments);
    return 2;
}
