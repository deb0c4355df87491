// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Asks the desktop to open a document or a web address with its default
// program. Nothing is reported when that has no effect.
void ShellOpenFile(const QString& path);
void ShellOpenUrl(const QString& url);

// Where a file that the player saves is offered: the name (made safe for a
// file name) in the documents folder, or in the home folder where there is
// none. What a file name cannot hold (slashes, quotes, control characters)
// becomes `ersattning`, which also goes before a name that would be empty
// or hidden.
QString SparaSom(const QString& namn, const QString& andelse, QChar ersattning);

// Tests record the requests instead of starting programs.
using TShellHook = std::function<void(const QString& target)>;
TShellHook SetShellHook(TShellHook hook);
