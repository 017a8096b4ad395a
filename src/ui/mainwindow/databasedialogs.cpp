// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/databasedialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tallyfox {

namespace {

QString databaseFilter()
{
    return QCoreApplication::translate("DatabaseDialogs", "Tallyfox files|*.tfx|Text files|*.txt");
}

} // namespace

FileDialogOptions exportDialog(const QString& initialFolder)
{
    // The name's extension chooses the format (exportFormatOfFile).
    return {QCoreApplication::translate("DatabaseDialogs", "Export file"),
            QCoreApplication::translate(
                "DatabaseDialogs",
                "Text files|*.txt|CSV files|*.csv|JSON files|*.json|Journal files|*.journal|All "
                "files|*.*"),
            QStringLiteral("txt"), initialFolder, true};
}

FileDialogOptions newDatabaseDialog(const QString& initialFolder)
{
    return {QCoreApplication::translate("DatabaseDialogs", "New database file"), databaseFilter(),
            QStringLiteral(".tfx"), initialFolder, false};
}

FileDialogOptions openDatabaseDialog(const QString& initialFolder)
{
    return {QCoreApplication::translate("DatabaseDialogs", "Open database file"), databaseFilter(),
            QStringLiteral(".tfx"), initialFolder, false};
}

FileDialogOptions saveDatabaseAsDialog(const QString& initialFolder)
{
    return {QCoreApplication::translate("DatabaseDialogs", "Save as database file"), databaseFilter(),
            QStringLiteral(".tfx"), initialFolder, true};
}

QString folderOf(const QString& filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

std::optional<QString> askNewDatabaseName(Prompts& prompts, QWidget* parent, const QString& initialFolder)
{
    QString folder = initialFolder;
    while (true) {
        const std::optional<QString> chosen = prompts.saveFile(parent, newDatabaseDialog(folder));
        if (!chosen || !QFileInfo::exists(*chosen))
            return chosen;
        if (prompts.question(parent, QCoreApplication::translate(
                                         "DatabaseDialogs",
                                         "The file %1 already exists. Replace it with an empty database?")
                                         .arg(*chosen)))
            return chosen;
        folder = folderOf(*chosen);
    }
}

} // namespace tallyfox
