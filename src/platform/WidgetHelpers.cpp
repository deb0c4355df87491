// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WidgetHelpers.h"

#include "data/Helpers.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

qreal RatioOf(const TImage* control) {
    return control ? control->devicePixelRatioF() : 1.0;
}

// False when the picture cannot be read; the control then keeps its own.
bool Show(TImage* control, const QString& fileName, qreal ratio) {
    try {
        control->SetPicture(DecodePicture(fileName, ratio));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void LoadPicture(TImage* control, const QString& fileName) {
    LoadPicture(control, fileName, RatioOf(control));
}

void LoadPicture(TImage* control, const QString& fileName, qreal ratio) {
    if (!Show(control, fileName, ratio))
        ShowMessageBox(control ? control->window() : nullptr, TBoxKind::Plain,
                       QStringLiteral("Kunde inte visa bilden ") + fileName + QLatin1Char('.'));
}

void LoadArtwork(TImage* control, const QString& fileName) {
    LoadArtwork(control, fileName, RatioOf(control));
}

void LoadArtwork(TImage* control, const QString& fileName, qreal ratio) {
    Show(control, fileName, ratio); // the window works without it
}

TImage* NewArtwork(QWidget* parent, const QRect& geometry, const QString& fileName, bool stretch) {
    auto* image = new TImage(parent);
    image->setGeometry(geometry);
    if (stretch)
        image->SetStretch(true);
    LoadArtwork(image, fileName);
    return image;
}

void OpenHelp() {
    ShellOpenFile(ProgramFolder() + QStringLiteral("/globina.chm"));
}

void BlankSurface(TImage* control) {
    QCoreApplication::processEvents();
    // Growing a bitmap leaves white where the template did not reach.
    QImage surface(control->width(), control->height(), QImage::Format_RGB32);
    surface.fill(Qt::white);
    if (!TemplateBitmap.isNull()) {
        QPainter p(&surface);
        p.drawImage(0, 0, TemplateBitmap);
    }
    control->SetPicture(surface);
}
