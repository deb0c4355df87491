// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class COvning;
class QWidget;

// Creates the screen of the exercise's kind (SkarmFor) as a top-level window of the owner,
// hands it to `lagra` (when given) and then starts the exercise on it; the
// screen shows itself. Data-file errors are
// passed on, and the screen is destroyed then. Closing the screen hides it;
// the owner releases it with deleteLater().
QWidget* StartaOvningsskarm(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                            const std::function<void(QWidget*)>& lagra = {});

// The map screen in study mode for a map exercise (area or place); see
// TfrmOvningKarta::StartaUtforska. Otherwise as StartaOvningsskarm.
QWidget* StartaUtforskning(const std::shared_ptr<COvning>& ovning, QWidget* owner,
                           const std::function<void(QWidget*)>& lagra = {});
