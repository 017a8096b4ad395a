// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "money/chartimage.h"

#include <QLibrary>
#include <QString>

class QCoreApplication;

namespace tallyfox::cli {

// The chart library (see money/chartimage.h), loaded for the chart command alone and before the
// application object exists, since it makes that object.
class ChartLibrary
{
public:
    // Looks for the library beside the program and in the installed library folder.
    void load();

    [[nodiscard]] bool isLoaded() const { return m_create && m_draw; }
    // Why it could not be loaded: the files tried and the system's reason.
    [[nodiscard]] const QString& problem() const { return m_problem; }

    [[nodiscard]] QCoreApplication* createApplication(int& argc, char** argv) const
    {
        return m_create(argc, argv);
    }
    [[nodiscard]] QByteArray draw(const ChartImageRequest& request) const { return m_draw(request); }

private:
    QLibrary m_library;
    chartlibrary::CreateApplication m_create = nullptr;
    chartlibrary::DrawImage m_draw = nullptr;
    QString m_problem;
};

} // namespace tallyfox::cli
