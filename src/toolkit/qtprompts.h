// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/prompts.h"

namespace tallyfox {

// The prompts shown with Qt's message boxes and file dialogs.
class QtPrompts : public Prompts
{
public:
    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& dialog) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& dialog) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                        const QString& initialFolder) override;
};

} // namespace tallyfox
