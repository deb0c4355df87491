// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class QWidget;
class TImage;

// The folder of the running program, without a trailing "/".
QString ProgramFolder();
// The part of a path before its last "/" ("" for a file in the root).
QString FolderOfPath(const QString& path);

// Pictures come in two sizes: fileName, and twice as large in a 2x/ folder
// beside it (SharpPictureName) for screens scaled above 100 %.
QString SharpPictureName(const QString& fileName);

// The picture ProgramFolder() + "/" + fileName for a control shown at the
// given device pixel ratio: above 1, the sharp picture when it exists,
// decodes and is exactly twice the size, carrying ratio 2 so that it shows
// at the same size; else the plain picture. Throws EInOutError when the
// plain picture cannot be read.
QImage DecodePicture(const QString& fileName, qreal ratio);

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

// Opens the help document with the desktop's program for it.
void OpenHelp(QWidget* parent);

// Seconds as "mm:ss" (at least two digits each); empty for 99999, the value
// that stands for no time.
QString TimeText(int32_t seconds);

// The text with "0" put in front until it is at least width long.
QString PadLeft(const QString& text, int width);

// The template for fresh drawing surfaces; loaded by the main menu.
extern QImage TemplateBitmap;
// Loads TemplateBitmap from a BMP file. Throws EInOutError on failure.
void LoadTemplateBitmap(const QString& fileName);

// Gives the control a fresh picture of its own size, made from the template.
void BlankSurface(TImage* control);
