// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// Asks the desktop to open a document or a web address with its default
// program. Nothing is reported when that has no effect.
void ShellOpenFile(const QString& path);
void ShellOpenUrl(const QString& url);

// Tests record the requests instead of starting programs.
using TShellHook = std::function<void(const QString& target)>;
TShellHook SetShellHook(TShellHook hook);
