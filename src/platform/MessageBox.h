// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// Message boxes with one OK button. Tests install a hook that records the box
// instead of showing it, since a modal box would wait for a click.
enum class TBoxKind { Plain, Information, Error };

void ShowMessageBox(QWidget* parent, TBoxKind kind, const QString& text);

using TMessageBoxHook = std::function<void(TBoxKind, const QString&)>;
// Replaces the real boxes; an empty hook restores them. Returns the old hook.
TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);
