// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/appstate.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "session/session.h"
#include "support/testenvironment.h"
#include "ui/widgets/formsizesettings.h"

#include <gtest/gtest.h>

namespace tallyfox::test {
namespace {

TEST(FormSizeSettings, EachFormsSizeIsAKeyOfItsOwnUnderWindow)
{
    TempFolder folder;
    Registry registry(folder.file(QStringLiteral("registry.reg")));
    AppState state(pinnedLocale());
    Session session(state, Clock(QDateTime(QDate(2010, 1, 3), QTime(9, 0))), registry);
    FormSizeSettings sizes(session);
    EXPECT_EQ(sizes.size(QStringLiteral("ItemForm")), std::nullopt);

    sizes.remember(QStringLiteral("ItemForm"), QSize(700, 800));
    const QString text = QString::fromUtf8(readFileBytes(registry.filePath()));
    EXPECT_TRUE(text.contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Window\\ItemForm]\r\n"
                                             "\"Width\"=dword:000002bc\r\n\"Height\"=dword:00000320")))
        << text.toStdString();
    EXPECT_EQ(sizes.size(QStringLiteral("ItemForm")), QSize(700, 800));
    EXPECT_EQ(sizes.size(QStringLiteral("PurgeForm")), std::nullopt);
    EXPECT_TRUE(session.takeMessages().isEmpty());

    // What a person could not have given a form is not taken: too small, too large, or a text.
    for (const char* values : {"\"Width\"=dword:00000002\r\n\"Height\"=dword:00000320\r\n",
                               "\"Width\"=dword:7fffffff\r\n\"Height\"=dword:00000320\r\n",
                               "\"Width\"=\"700\"\r\n\"Height\"=dword:00000320\r\n"}) {
        writeFileBytes(registry.filePath(),
                       QByteArray("[HKEY_LOCAL_MACHINE\\Software\\Tallyfox\\Window\\OptionsForm]\r\n") +
                           values);
        EXPECT_EQ(sizes.size(QStringLiteral("OptionsForm")), std::nullopt) << values;
    }
}

} // namespace
} // namespace tallyfox::test
