#pragma once

#include <QImage>
#include <QString>

class QWidget;
class TImage;

// The folder of the running program, without a trailing "/".
QString ProgramFolder();
// The part of a path before its last "/" ("" for a file in the root).
QString FolderOfPath(const QString& path);

// Shows the GIF picture ProgramFolder() + "/" + fileName in the control. On
// failure a message box says so and the control keeps its picture.
void LoadPicture(TImage* control, const QString& fileName);

// Shows the decorative GIF ProgramFolder() + "/" + fileName in the control;
// artwork only, so nothing is said when it is missing or broken.
void LoadArtwork(TImage* control, const QString& fileName);

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
