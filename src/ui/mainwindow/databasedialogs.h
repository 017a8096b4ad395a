// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/prompts.h"

#include <QString>
#include <optional>

class QWidget;

namespace tallyfox {

// The main window's four file dialogs. Each starts in the folder of the database in use.
[[nodiscard]] FileDialogOptions exportDialog(const QString& initialFolder);
[[nodiscard]] FileDialogOptions newDatabaseDialog(const QString& initialFolder);
[[nodiscard]] FileDialogOptions openDatabaseDialog(const QString& initialFolder);
[[nodiscard]] FileDialogOptions saveDatabaseAsDialog(const QString& initialFolder);

// The folder of a file, ending in "/".
[[nodiscard]] QString folderOf(const QString& filePath);

// Asks for a new database's name. A file that exists already is replaced only when the user says so;
// otherwise the dialog opens again. Nothing when cancelled.
[[nodiscard]] std::optional<QString> askNewDatabaseName(Prompts& prompts, QWidget* parent,
                                                        const QString& initialFolder);

} // namespace tallyfox
