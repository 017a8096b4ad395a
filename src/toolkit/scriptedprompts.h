// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "toolkit/prompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace tallyfox {

// Prompts for tests: every question is answered from a script and recorded. A question without a
// scripted answer is answered No, and a dialog without one is cancelled.
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind
    {
        Message,
        Question,
        OpenFile,
        SaveFile,
        ChooseFolder,
    };

    struct Asked
    {
        Kind kind;
        QString text; // the message, the question or the dialog's title
        FileDialogOptions dialog;
    };

    void answerQuestion(bool yes) { m_questionAnswers.enqueue(yes); }
    // The file a file dialog returns; nothing cancels it.
    void answerFile(const std::optional<QString>& path) { m_fileAnswers.enqueue(path); }
    void answerFolder(const std::optional<QString>& path) { m_folderAnswers.enqueue(path); }

    [[nodiscard]] const QList<Asked>& asked() const { return m_asked; }
    [[nodiscard]] QStringList texts(Kind kind) const;
    [[nodiscard]] bool allAnswersUsed() const;
    void clear();

    void message(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogOptions& dialog) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogOptions& dialog) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& title,
                                        const QString& initialFolder) override;

private:
    std::optional<QString> nextFile();

    QList<Asked> m_asked;
    QQueue<bool> m_questionAnswers;
    QQueue<std::optional<QString>> m_fileAnswers;
    QQueue<std::optional<QString>> m_folderAnswers;
};

} // namespace tallyfox
