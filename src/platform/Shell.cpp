// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
TShellHook& Hook() {
    static TShellHook hook;
    return hook;
}

void Open(const QUrl& url) {
    if (Hook())
        Hook()(url.toString());
    else
        QDesktopServices::openUrl(url);
}
} // namespace

TShellHook SetShellHook(TShellHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

void ShellOpenFile(const QString& path) {
    Open(QUrl::fromLocalFile(path));
}

void ShellOpenUrl(const QString& url) {
    Open(QUrl(url));
}
