// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DataFolder.h"
#include "core/RandomSource.h"
#include "core/Dialogs.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

// What the window takes from outside; anything left empty gets the real thing.
struct WindowServices
{
    std::unique_ptr<RandomSource> random;         // a clock-seeded source
    std::unique_ptr<Dialogs> dialogs;             // QMessageBox and QInputDialog
    DataFolder dataDir;                           // chosen by DataFolder::forThisProgram()
    std::function<bool(const QUrl &)> openUrl;    // the desktop's browser; false when none opened it
};
