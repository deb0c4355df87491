// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// Today for the review schedule: the local date, or the date that the
// environment variable GLOBINA_TODAY gives (YYYY-MM-DD), so that the clock
// can be moved without waiting.
QDate Idag();
