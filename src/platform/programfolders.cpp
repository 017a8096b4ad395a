// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "platform/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tallyfox {

QString programFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString findShippedFile(const QString& programFolder, const QString& name)
{
    const QString besideProgram = programFolder + name;
    if (QFileInfo(besideProgram).isFile())
        return besideProgram;
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("../share/tallyfox/") + name);
    if (QFileInfo(installed).isFile())
        return installed;
    return {};
}

} // namespace tallyfox
