// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// The digit-row key 1..9 that a key press comes from, whatever the keyboard
// layout: by its character where that is a digit, otherwise by the key's
// position (the native scan code, or the virtual key code on macOS), so that
// a layout whose digit row gives other characters still answers. Keys of the
// numeric keypad are not the digit row: 0 for them and for every other key.
int DigitRowKey(const QKeyEvent* event);
