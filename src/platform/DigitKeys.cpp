// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DigitKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

int DigitRowKey(const QKeyEvent* event) {
    if (event->modifiers() & Qt::KeypadModifier)
        return 0;
    if (event->key() >= Qt::Key_1 && event->key() <= Qt::Key_9)
        return event->key() - Qt::Key_0;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("windows")) {
        // Set 1 scan codes: 2 for the key 1 up to 10 for the key 9.
        const quint32 scan = event->nativeScanCode();
        return scan >= 2 && scan <= 10 ? static_cast<int>(scan) - 1 : 0;
    }
    if (platform == QLatin1String("cocoa")) {
        // The ANSI virtual key codes of the digit row, 1 to 9.
        constexpr quint32 codes[] = {0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19};
        for (int n = 1; n <= 9; ++n)
            if (event->nativeVirtualKey() == codes[n - 1])
                return n;
        return 0;
    }
    // X11 and Wayland key codes: 10 for the key 1 up to 18 for the key 9.
    const quint32 code = event->nativeScanCode();
    return code >= 10 && code <= 18 ? static_cast<int>(code) - 9 : 0;
}
