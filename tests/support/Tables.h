// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTableWidget>

// The texts of one row of a grid, empty for cells without an item.
inline QStringList Row(const QTableWidget* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return texts;
}

// The texts of a list's lines.
inline QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}
