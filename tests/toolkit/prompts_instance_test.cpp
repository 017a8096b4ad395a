// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/prompts.h"
#include "toolkit/scriptedprompts.h"
#include "toolkit/singleinstance.h"

#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(FileDialogTexts, FiltersAndDefaultExtensions)
{
    EXPECT_EQ(qtFileFilter(QStringLiteral("Tallyfox files|*.tfx|Text files|*.txt")),
              u"Tallyfox files (*.tfx);;Text files (*.txt)");
    EXPECT_EQ(qtFileFilter(QStringLiteral("Text files|*.txt|All files|*.*")),
              u"Text files (*.txt);;All files (*.*)");
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/data"), QStringLiteral(".tfx")), u"/a/data.tfx");
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/out"), QStringLiteral("txt")), u"/a/out.txt");
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/a/data.txt"), QStringLiteral(".tfx")), u"/a/data.txt");
}

TEST(ScriptedPrompts, AnswersFromTheScriptAndRecordsEveryQuestion)
{
    ScriptedPrompts prompts;
    prompts.answerQuestion(true);
    prompts.answerFile(QStringLiteral("/tmp/new"));
    prompts.answerFile(std::nullopt);

    prompts.message(nullptr, QStringLiteral("Hello"));
    EXPECT_TRUE(prompts.question(nullptr, QStringLiteral("Sure?")));
    EXPECT_FALSE(prompts.question(nullptr, QStringLiteral("Unscripted?")));
    FileDialogOptions dialog{QStringLiteral("New database file"), QStringLiteral("Tallyfox files|*.tfx"),
                             QStringLiteral(".tfx"), QStringLiteral("/tmp"), false};
    EXPECT_EQ(prompts.saveFile(nullptr, dialog), QStringLiteral("/tmp/new.tfx"));
    EXPECT_EQ(prompts.openFile(nullptr, dialog), std::nullopt);
    EXPECT_EQ(prompts.chooseFolder(nullptr, QStringLiteral("Folder"), QStringLiteral("/")), std::nullopt);
    EXPECT_TRUE(prompts.allAnswersUsed());

    EXPECT_EQ(prompts.asked().size(), 6);
    EXPECT_EQ(prompts.texts(ScriptedPrompts::Kind::Question),
              (QStringList{QStringLiteral("Sure?"), QStringLiteral("Unscripted?")}));
    EXPECT_EQ(prompts.asked()[3].dialog.initialFolder, u"/tmp");
}

TEST(SingleInstance, ASecondCopyStepsAsideAndBringsTheFirstForward)
{
    const QString key =
        QStringLiteral("tallyfox-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    // The claim stands for the instance lock: the first copy holds it, so a second cannot take it.
    SingleInstance first(key, [] { return true; });
    ASSERT_TRUE(first.start());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    SingleInstance second(key, [] { return false; });
    EXPECT_FALSE(second.start());
    EXPECT_TRUE(activated.wait(3000));

    SingleInstance other(key + QStringLiteral("-other"), [] { return true; });
    EXPECT_TRUE(other.start());
}

} // namespace
} // namespace tallyfox
