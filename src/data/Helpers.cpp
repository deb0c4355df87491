// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Helpers.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>

QImage TemplateBitmap;

QString FolderOfPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString ProgramFolder() {
    return FolderOfPath(QCoreApplication::applicationFilePath());
}

QString SharpPictureName(const QString& fileName) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return fileName.left(slash + 1) + QStringLiteral("2x/") + fileName.mid(slash + 1);
}

QImage DecodePicture(const QString& fileName, qreal ratio) {
    const QString folder = ProgramFolder() + QLatin1Char('/');
    QImage picture = DecodeGif(folder + fileName);
    if (ratio <= 1.0)
        return picture;
    const QString sharpPath = folder + SharpPictureName(fileName);
    if (!QFile::exists(sharpPath))
        return picture;
    try {
        QImage sharp = DecodeGif(sharpPath);
        // Only a picture of exactly twice the size shows at the same place.
        if (sharp.size() == picture.size() * 2) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    } catch (const std::exception&) {
        // A damaged sharp picture: the plain one will do.
    }
    return picture;
}

namespace {
qreal RatioOf(const TImage* control) {
    return control ? control->devicePixelRatioF() : 1.0;
}
} // namespace

void LoadPicture(TImage* control, const QString& fileName) {
    LoadPicture(control, fileName, RatioOf(control));
}

void LoadPicture(TImage* control, const QString& fileName, qreal ratio) {
    try {
        control->SetPicture(DecodePicture(fileName, ratio));
    } catch (const std::exception&) {
        ShowMessageBox(control ? control->window() : nullptr, TBoxKind::Plain,
                       QStringLiteral("Kunde inte visa bilden ") + fileName + QLatin1Char('.'));
    }
}

void LoadArtwork(TImage* control, const QString& fileName) {
    LoadArtwork(control, fileName, RatioOf(control));
}

void LoadArtwork(TImage* control, const QString& fileName, qreal ratio) {
    try {
        control->SetPicture(DecodePicture(fileName, ratio));
    } catch (const std::exception&) {
        // The window works without it.
    }
}

void OpenHelp(QWidget*) {
    ShellOpenFile(ProgramFolder() + QStringLiteral("/globina.chm"));
}

QString TimeText(int32_t seconds) {
    if (seconds == 99999)
        return QString();
    return PadLeft(QString::number(seconds / 60), 2) + QLatin1Char(':') +
           PadLeft(QString::number(seconds % 60), 2);
}

QString PadLeft(const QString& text, int width) {
    QString s = text;
    while (s.size() < width)
        s.prepend(QLatin1Char('0'));
    return s;
}

void LoadTemplateBitmap(const QString& fileName) {
    QImage image;
    if (!image.load(fileName, "BMP"))
        throw EInOutError(QStringLiteral("Cannot load the picture \"%1\"").arg(fileName), 2);
    TemplateBitmap = image.convertToFormat(QImage::Format_RGB32);
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
