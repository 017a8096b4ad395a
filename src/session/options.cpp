// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/options.h"

#include "core/textforms.h"
#include "platform/userfolders.h"
#include "session/session.h"
#include "session/startup.h"
#include "storage/editlog.h"
#include "storage/monthlinesetting.h"
#include "storage/settingssave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace tallyfox {

namespace {

void takeSettings(Settings& settings, const OptionsEdit& edit)
{
    settings.enableLogging = edit.enableLogging;
    settings.fingerFriendly = edit.fingerFriendly;
    settings.startWithQuick = edit.startWithQuick;
    settings.incomeIsPositive = edit.incomeIsPositive;
    settings.increase9Is0 = edit.increase9Is0;
    settings.skipOverview = edit.skipOverview;
    settings.nextReceiptNumber = edit.nextReceiptNumber;
    settings.quickEnable = edit.quickEnable;
    settings.lastVisibleColumn = edit.lastVisibleColumn;
    settings.columnPositions = edit.columnPositions;
}

// The next receipt number as the options show it: the one a new receipt is offered, as far as the 16-bit
// counter reaches.
quint16 proposedCounter(const Session& session)
{
    return quint16(std::min<qint64>(session.proposedReceiptNumber(), 0xffff));
}

const std::array<const char16_t*, 2> kSettingsFileNames = {kDefaultsFileName, kLogFileName};

// Copies the settings files into the new folder and switches to it once they are all there. A file that
// does not exist has nothing to carry over.
FileResult moveSettingsFolder(AppState& state, const QString& target, bool overwrite)
{
    if (!QDir().mkpath(target))
        return FileResult::writeFailure(
            FileError::FolderNotCreated, target,
            QCoreApplication::translate("Problems", "The folder cannot be created."));
    for (const char16_t* name : kSettingsFileNames) {
        const QString source = state.settingsFolder + QString::fromUtf16(name);
        const QString copy = target + QString::fromUtf16(name);
        if (!QFileInfo::exists(source) || (!overwrite && QFileInfo::exists(copy)))
            continue;
        if (FileResult copied = copyTextFile(source, copy); !copied.ok())
            return copied;
    }
    // The entries stay as they are in memory rather than being read again: they are what the database
    // holds after the last refresh, or newer when that write failed, so a reload could only lose changes.
    state.settingsFolder = target;
    return {};
}

FileResult writeOptions(Session& session, const OptionsEdit& edit, ReceiptNumberSave receipt)
{
    AppState& state = session.state();
    if (FileResult saved = session.storeSettings(receipt); !saved.ok())
        return saved;
    // Stored only when it changes, as a registry the settings cannot be read from is never written.
    if (!state.settings.registryUnavailable && edit.showMonthLine != readMonthLineShown(session.registry())) {
        if (FileResult shown = storeMonthLineShown(session.registry(), edit.showMonthLine); !shown.ok())
            return shown;
    }
    const QString target = withTrailingSlash(QDir::cleanPath(edit.location));
    if (!edit.location.isEmpty() && target != state.settingsFolder) {
        if (FileResult moved = moveSettingsFolder(state, target, edit.overwrite); !moved.ok())
            return moved;
    }
    return writeDefaultsLists(state, edit.lists);
}

} // namespace

OptionsEdit loadOptions(Session& session)
{
    const AppState& state = session.state();
    const Settings& settings = state.settings;
    OptionsEdit edit;
    edit.enableLogging = settings.enableLogging;
    edit.fingerFriendly = settings.fingerFriendly;
    edit.startWithQuick = settings.startWithQuick;
    edit.incomeIsPositive = settings.incomeIsPositive;
    edit.increase9Is0 = settings.increase9Is0;
    edit.skipOverview = settings.skipOverview;
    edit.nextReceiptNumber = proposedCounter(session);
    edit.quickEnable = settings.quickEnable;
    edit.lastVisibleColumn = settings.lastVisibleColumn;
    edit.columnPositions = settings.columnPositions;
    edit.showMonthLine = readMonthLineShown(session.registry());
    edit.location = state.settingsFolder;
    ReadResult<DefaultsLists> lists = readDefaultsLists(state);
    session.report(lists.result);
    edit.lists = std::move(lists.value);
    return edit;
}

FileResult saveOptions(Session& session, const OptionsEdit& edit)
{
    // A receipt number typed in the form is the user's choice, even one below the stored counter.
    const ReceiptNumberSave receipt = edit.nextReceiptNumber != proposedCounter(session)
                                          ? ReceiptNumberSave::AsChosen
                                          : ReceiptNumberSave::NeverBack;
    const Settings& settings = session.state().settings;
    const ColumnLayout before{settings.lastVisibleColumn, settings.columnPositions};
    takeSettings(session.state().settings, edit);
    FileResult written = writeOptions(session, edit, receipt);
    // The item editor and the currency table follow the defaults file as it now is on disk.
    loadDefaults(session);
    session.refreshList(false);
    // The columns' arrangement can be taken back once the registry holds it.
    const ColumnLayout after{edit.lastVisibleColumn, edit.columnPositions};
    if (after != before && written.ok())
        session.history().record(
            {QCoreApplication::translate("UndoHistory", "column changes"), ChangedColumns{before, after}});
    return written;
}

bool holdsSettingsFiles(const QString& folder)
{
    const QString base = withTrailingSlash(folder);
    return std::any_of(kSettingsFileNames.begin(), kSettingsFileNames.end(), [&base](const char16_t* name) {
        return QFileInfo::exists(base + QString::fromUtf16(name));
    });
}

quint16 receiptNumberFromText(QStringView text)
{
    return static_cast<quint16>(readWholeNumber(text));
}

} // namespace tallyfox
