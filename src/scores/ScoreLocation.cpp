// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreLocation.h"

#include "data/Helpers.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kScoreFile = QStringLiteral("scores.hgh");
}

QString ScoreFileIn(const QString& programFolder, const QString& dataFolder) {
    // The folder, not the file, decides: the file is replaced by renaming a
    // new one over it, which needs a writable folder.
    // With no data folder known (no home), saving beside the program fails
    // with a message that names the file.
    const QFileInfo folder(programFolder);
    const bool beside = (folder.isDir() && folder.isWritable()) || dataFolder.isEmpty();
    const QString base = beside ? programFolder : dataFolder;
    return base + QLatin1Char('/') + kScoreFile;
}

QString ScoreFileName() {
    return ScoreFileIn(ProgramFolder(),
                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
