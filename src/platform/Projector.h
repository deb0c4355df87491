// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QSize>
#include <optional>

class QWidget;

// Projector mode: the whole program at 1.5 or 2 times its size, for a class
// that watches a screen or a projector from the back of the room.
//
// Qt's own scale factor does it, set from the stored size before the
// QApplication is made, so a change takes effect at the next start. Every
// text, button, frame and picture grows alike, and the map, which draws in
// the screen's own pixels (as on a screen scaled to 200 %), draws its
// outlines, rings and marks at that scale, sharp. A window of fixed size
// that is larger than the screen's logical area then shows its controls in
// a scroll area. At the normal size nothing of this is done.
namespace Projector {

// The sizes in per cent: normal, 1.5 times, 2 times.
inline constexpr int kSizes[] = {100, 150, 200};
// A stored value as one of kSizes: 100 when missing or unknown.
int ValidSize(std::optional<int> stored);
// The size kept in the settings store, which the next start takes.
int StoredSize();
// The size this run was started with: 100 unless Prepare set another.
int CurrentSize();

// Before the QApplication is made: sets Qt's scale factor from the stored
// size, multiplying a factor the environment already sets. Without windows
// (a task of the command line) nothing is changed.
void Prepare(bool windows);
// Once it is made: the environment as it was (programs started from this
// one are not scaled), and in projector mode every window that is shown is
// fitted to its screen (Fit) and kept with its title bar on the screen.
void Install();

// The room for a window's client area on a screen's available area, both in
// logical pixels, given the frame the window manager puts round it.
QSize Room(const QSize& available, const QMargins& frame);
// The frame assumed round a window that the window manager has not framed
// yet, in logical pixels at a device pixel ratio.
QMargins AssumedFrame(qreal ratio);

// Fits a top-level window into room. A window of fixed size without a
// layout that is larger keeps its controls at their places on a page of its
// design size, shown in a scroll area as large as room allows; it follows
// the window's own later changes of size. A window with a layout is made no
// larger than room, as far as its layout allows. False when the window
// cannot be brought within room (a layout that needs more). A window that
// fits is left as it is.
bool Fit(QWidget* window, const QSize& room);
// The page that holds the controls of a window Fit made scroll; null for
// any other window.
QWidget* Page(const QWidget* window);

} // namespace Projector
