// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "core/storedtext.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace tallyfox {
namespace {

TEST(StoredText, EqualTextsShareOneNumberAndKeepTheirCharacters)
{
    const StoredText taxi(u"Taxi");
    EXPECT_EQ(StoredText(QStringLiteral("Taxi")).id(), taxi.id());
    EXPECT_EQ(StoredText("Taxi"), taxi);
    EXPECT_NE(StoredText(u"taxi"), taxi);
    EXPECT_NE(StoredText(u"Taxi "), taxi);
    EXPECT_EQ(taxi, QStringLiteral("Taxi"));
    EXPECT_EQ(QStringLiteral("Taxi"), taxi);

    // An unshared text equals the shared one of the same characters, though its number differs.
    const StoredText unshared = StoredText::unshared(u"Taxi");
    EXPECT_NE(unshared.id(), taxi.id());
    EXPECT_EQ(unshared, taxi);
    EXPECT_EQ(unshared, StoredText::unshared(u"Taxi"));
    EXPECT_NE(unshared, StoredText::unshared(u"Tax"));
    EXPECT_EQ(qHash(unshared), qHash(taxi));
    EXPECT_EQ(StoredText::unshared(u"").id(), 0U);

    // The empty text is number 0, however it is given.
    EXPECT_EQ(StoredText().id(), 0U);
    EXPECT_EQ(StoredText(QString()).id(), 0U);
    EXPECT_EQ(StoredText(QStringLiteral("")).id(), 0U);
    EXPECT_TRUE(StoredText(u"").isEmpty());
    EXPECT_TRUE(StoredText().text().isNull());

    // Characters beyond the first plane, a long text and one that spans the store's blocks read back whole.
    const QString beyond = QStringLiteral("Caf\u00e9 \U0001F600 \u20ac");
    const QString longText(300000, u'x');
    for (const QString& text : {beyond, longText, QString(70000, u'y')}) {
        const StoredText stored(text);
        EXPECT_EQ(stored.text(), text);
        EXPECT_EQ(stored.size(), text.size());
    }

    // A QString taken from a stored text stays valid after the text itself is overwritten.
    StoredText changing(u"before");
    const QString kept = changing;
    changing = QStringLiteral("after");
    EXPECT_EQ(kept, u"before");
    EXPECT_EQ(changing, u"after");
}

TEST(StoredText, ThreadsStoringTheSameTextsAgreeOnTheirNumbers)
{
    constexpr int kTexts = 20000;
    constexpr int kThreads = 4;
    std::vector<std::vector<quint32>> ids(kThreads);
    std::vector<std::vector<StoredText>> unshared(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &ids, &unshared] {
            // Unshared texts, long and short, between the shared ones.
            for (int i = 0; i < kTexts; ++i)
                unshared[size_t(t)].push_back(StoredText::unshared(
                    QString(i % 1000 == 0 ? 40000 : i % 13, u'u') + QString::number(t * kTexts + i)));
            // Each thread meets the texts in its own order, so that new ones are stored by all of them.
            for (int i = 0; i < kTexts; ++i) {
                const int n = t % 2 == 0 ? i : kTexts - 1 - i;
                ids[size_t(t)].push_back(StoredText(QStringLiteral("shared %1").arg(n)).id());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 0; i < kTexts; ++i) {
        const quint32 id = ids[0][size_t(i)];
        EXPECT_EQ(ids[1][size_t(kTexts - 1 - i)], id);
        EXPECT_EQ(ids[2][size_t(i)], id);
        EXPECT_EQ(ids[3][size_t(kTexts - 1 - i)], id);
        ASSERT_EQ(StoredText(QStringLiteral("shared %1").arg(i)).id(), id);
    }
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kTexts; i += 97)
            ASSERT_EQ(unshared[size_t(t)][size_t(i)].text(),
                      QString(i % 1000 == 0 ? 40000 : i % 13, u'u') + QString::number(t * kTexts + i));
    }
}

} // namespace
} // namespace tallyfox
