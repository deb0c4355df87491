#include "data/Helpers.h"

#include "data/Errors.h"
#include "data/Gif.h"
#include "platform/Image.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QPainter>

QImage TemplateBitmap;

QString FolderOfPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

QString ProgramFolder() {
    return FolderOfPath(QCoreApplication::applicationFilePath());
}

void LoadPicture(TImage* control, const QString& fileName) {
    try {
        control->SetPicture(DecodeGif(ProgramFolder() + QLatin1Char('/') + fileName));
    } catch (const std::exception&) {
        ShowMessageBox(control ? control->window() : nullptr, TBoxKind::Plain,
                       QStringLiteral("Kunde inte visa bilden ") + fileName + QLatin1Char('.'));
    }
}

void LoadArtwork(TImage* control, const QString& fileName) {
    try {
        control->SetPicture(DecodeGif(ProgramFolder() + QLatin1Char('/') + fileName));
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
