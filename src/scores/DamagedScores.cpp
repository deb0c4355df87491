// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/DamagedScores.h"

#include "data/Errors.h"
#include "platform/MessageBox.h"

#include <QFileInfo>

bool ReadScoresSettingDamageAside(QWidget* parent, TScoreTable& table, const QString& fileName) {
    try {
        ReadScores(table, fileName);
        return true;
    } catch (const EGlobina& e) {
        QString copy;
        bool newCopy = false;
        bool safe = true;
        try {
            copy = SetAsideDamaged(fileName, &newCopy);
        } catch (const EGlobina&) {
            safe = false;
        }
        if (safe && !newCopy)
            return true;
        ShowMessageBox(parent, TBoxKind::Information,
                       QStringLiteral("Error reading the highscore file. The following error "
                                      "occurred: ") +
                           e.Message() +
                           (safe ? QStringLiteral("\r\nThe results read before the damage are "
                                                  "kept and new results are saved; the damaged "
                                                  "file was copied to \"%1\".")
                                       .arg(QFileInfo(copy).fileName())
                                 : QString()));
        return safe;
    }
}
