// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
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

QString SparaSom(const QString& namn, const QString& andelse, QChar ersattning) {
    QString s = namn;
    for (QChar& c : s)
        if (c < QLatin1Char(' ') || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = ersattning;
    if (s.isEmpty() || s.startsWith(QLatin1Char('.')))
        s.prepend(ersattning);
    QString mapp = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (mapp.isEmpty() || !QDir(mapp).exists())
        mapp = QDir::homePath();
    return QDir(mapp).filePath(s + andelse);
}
