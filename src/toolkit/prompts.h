// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tallyfox {

// What a file dialog shows. The filter is written as display text and pattern pairs separated by
// vertical bars: "Tallyfox files|*.tfx|Text files|*.txt".
struct FileDialogOptions
{
    QString title;
    QString filter;
    QString defaultExtension;
    QString initialFolder;
    bool askBeforeOverwrite = false;
};

// Every question the program asks the user: message boxes captioned "Tallyfox", file dialogs and the
// folder picker. The program hands one implementation to its forms; tests hand a scripted one.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; true only for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // The full name of the chosen file, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& dialog) = 0;
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& dialog) = 0;
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                                const QString& initialFolder) = 0;
};

// "Tallyfox files|*.tfx|Text files|*.txt" as a Qt file dialog filter: "Tallyfox files (*.tfx);;Text files
// (*.txt)".
[[nodiscard]] QString qtFileFilter(const QString& filter);
// Adds the default extension ("txt" or ".tfx") to a chosen name that has none.
[[nodiscard]] QString withDefaultExtension(const QString& fileName, const QString& defaultExtension);

} // namespace tallyfox
