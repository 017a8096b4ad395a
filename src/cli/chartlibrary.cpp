// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "cli/chartlibrary.h"

#include <QDir>
#include <QFileInfo>

namespace tallyfox::cli {

namespace {

// The running program's folder, known without an application object.
QString executableFolder()
{
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

} // namespace

void ChartLibrary::load()
{
    const QString folder = executableFolder();
    const QString fileName = QStringLiteral("lib%1.so").arg(QString::fromLatin1(chartlibrary::kBaseName));
    const QStringList candidates = {
        folder + u'/' + fileName,
        folder + QStringLiteral("/" TALLYFOX_CHART_LIBRARY_FROM_PROGRAM "/") + fileName,
    };
    QStringList reasons;
    for (const QString& candidate : candidates) {
        if (!QFileInfo::exists(candidate))
            continue;
        m_library.setFileName(candidate);
        if (!m_library.load()) {
            reasons.append(m_library.errorString());
            continue;
        }
        m_create = reinterpret_cast<chartlibrary::CreateApplication>(
            m_library.resolve(chartlibrary::kCreateApplication));
        m_draw = reinterpret_cast<chartlibrary::DrawImage>(m_library.resolve(chartlibrary::kDrawImage));
        if (isLoaded())
            return;
        reasons.append(QStringLiteral("%1 lacks the chart functions").arg(candidate));
        m_library.unload();
    }
    if (reasons.isEmpty())
        reasons.append(QStringLiteral("It is neither at %1 nor at %2.")
                           .arg(QDir::cleanPath(candidates[0]), QDir::cleanPath(candidates[1])));
    m_problem = QStringLiteral("The chart library cannot be loaded: %1").arg(reasons.join(u' '));
}

} // namespace tallyfox::cli
