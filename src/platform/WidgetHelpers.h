// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

class QRect;
class QWidget;
class TImage;

// Helpers that put the program's pictures into controls and open its help.

// Shows the GIF picture fileName (see DecodePicture) in the control, at the
// control's device pixel ratio unless one is given. On failure a message box
// says so and the control keeps its picture.
void LoadPicture(TImage* control, const QString& fileName);
void LoadPicture(TImage* control, const QString& fileName, qreal ratio);

// Shows the decorative GIF fileName (see DecodePicture) in the control, at
// the control's device pixel ratio unless one is given; artwork only, so
// nothing is said when it is missing or broken.
void LoadArtwork(TImage* control, const QString& fileName);
void LoadArtwork(TImage* control, const QString& fileName, qreal ratio);
// A new picture control at the geometry showing the decorative GIF fileName,
// stretched to the control's size or not.
TImage* NewArtwork(QWidget* parent, const QRect& geometry, const QString& fileName,
                   bool stretch = false);

// Opens the help document with the desktop's program for it.
void OpenHelp();

// Gives the control a fresh picture of its own size, made from the template.
void BlankSurface(TImage* control);
