// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "benchfiles.h"

#include "core/appstate.h"
#include "entrygenerator.h"
#include "storage/databasefile.h"

#include <QDir>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace tallyfox::bench {

namespace {

constexpr std::uint64_t kBenchSeed = 20240601;

[[noreturn]] void giveUp(const QString& message)
{
    std::fprintf(stderr, "benchmark data: %s\n", qPrintable(message));
    std::exit(1);
}

} // namespace

BenchFiles& BenchFiles::instance()
{
    static BenchFiles files;
    return files;
}

BenchFiles::BenchFiles() : m_folder(QDir::tempPath() + QStringLiteral("/tallyfox-bench-XXXXXX"))
{
    if (!m_folder.isValid())
        giveUp(QStringLiteral("cannot create a temporary folder: ") + m_folder.errorString());
}

QString BenchFiles::databasePath(int entries)
{
    if (const auto it = m_paths.find(entries); it != m_paths.end())
        return it->second;
    const QString path = scratchPath(QStringLiteral("generated-%1.tfx").arg(entries));
    GeneratorOptions options;
    options.entries = entries;
    options.seed = kBenchSeed;
    if (const QString failure = writeGeneratedDatabase(options, path); !failure.isEmpty())
        giveUp(failure);
    m_paths.emplace(entries, path);
    return path;
}

const ExpenseArray& BenchFiles::entries(int entries)
{
    if (const auto it = m_entries.find(entries); it != m_entries.end())
        return it->second;
    AppState state{QLocale::c()};
    state.databasePath = databasePath(entries);
    if (const FileResult read = readDatabaseFile(state); !read.ok())
        giveUp(read.message());
    return m_entries.emplace(entries, std::move(state.entries)).first->second;
}

QString BenchFiles::scratchPath(const QString& name) const
{
    return m_folder.filePath(name);
}

} // namespace tallyfox::bench
