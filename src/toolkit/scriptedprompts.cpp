// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/scriptedprompts.h"

namespace tallyfox {

QStringList ScriptedPrompts::texts(Kind kind) const
{
    QStringList result;
    for (const Asked& asked : m_asked) {
        if (asked.kind == kind)
            result << asked.text;
    }
    return result;
}

bool ScriptedPrompts::allAnswersUsed() const
{
    return m_questionAnswers.isEmpty() && m_fileAnswers.isEmpty() && m_folderAnswers.isEmpty();
}

void ScriptedPrompts::clear()
{
    m_asked.clear();
    m_questionAnswers.clear();
    m_fileAnswers.clear();
    m_folderAnswers.clear();
}

void ScriptedPrompts::message(QWidget*, const QString& text)
{
    m_asked.append({Kind::Message, text, {}});
}

bool ScriptedPrompts::question(QWidget*, const QString& text)
{
    m_asked.append({Kind::Question, text, {}});
    return !m_questionAnswers.isEmpty() && m_questionAnswers.dequeue();
}

std::optional<QString> ScriptedPrompts::nextFile()
{
    return m_fileAnswers.isEmpty() ? std::nullopt : m_fileAnswers.dequeue();
}

std::optional<QString> ScriptedPrompts::openFile(QWidget*, const FileDialogOptions& dialog)
{
    m_asked.append({Kind::OpenFile, dialog.title, dialog});
    return nextFile();
}

std::optional<QString> ScriptedPrompts::saveFile(QWidget*, const FileDialogOptions& dialog)
{
    m_asked.append({Kind::SaveFile, dialog.title, dialog});
    const std::optional<QString> chosen = nextFile();
    return chosen ? std::optional<QString>(withDefaultExtension(*chosen, dialog.defaultExtension))
                  : std::nullopt;
}

std::optional<QString> ScriptedPrompts::chooseFolder(QWidget*, const QString& title,
                                                     const QString& initialFolder)
{
    FileDialogOptions dialog;
    dialog.title = title;
    dialog.initialFolder = initialFolder;
    m_asked.append({Kind::ChooseFolder, title, dialog});
    return m_folderAnswers.isEmpty() ? std::nullopt : m_folderAnswers.dequeue();
}

} // namespace tallyfox
