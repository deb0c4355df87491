// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

// The texts of the message boxes shown while it lives, recorded in place of
// modal windows; the hook before it is put back at its end.
class TBoxRecorder {
public:
    TBoxRecorder() : old_(SetMessageBoxHook([this](TBoxKind, const QString& t) { texts << t; })) {}
    ~TBoxRecorder() { SetMessageBoxHook(old_); }
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;

    QStringList texts;

private:
    TMessageBoxHook old_;
};
