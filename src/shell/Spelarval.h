// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/Spelare.h"

#include <QComboBox>
#include <functional>
#include <optional>
#include <vector>

// Who is playing, on the main menu: the players of the computer (the desktop
// user, the default player, first) and, last, the entry that adds a player by
// name. The choice sets the current player (Spelare.h), whose record of
// mistakes the games, "My mistakes" and today's review use from then on.
class TSpelarval : public QComboBox {
    Q_OBJECT
public:
    explicit TSpelarval(QWidget* parent);

    // Lists the players anew with the current one chosen, in the current
    // language; run at the menu's showing.
    void Fyll();
    // Makes the player of the name current, added when new; false, after a
    // message, when the name is empty or the record cannot be made.
    bool LaggTill(const QString& namn);
    // Makes the listed player current.
    void Valj(int index);
    const std::vector<TSpelare>& Spelare() const { return spelare_; }

    // How a new player's name is asked (none: cancelled); tests install their own.
    using TNamnfragare = std::function<std::optional<QString>(QWidget* parent)>;
    static TNamnfragare SetNamnfragare(TNamnfragare fragare);

signals:
    // The current player changed.
    void Bytt();

private:
    void Aktiverad(int index);

    std::vector<TSpelare> spelare_;
};
