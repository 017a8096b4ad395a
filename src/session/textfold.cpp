// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "session/textfold.h"

namespace tallyfox {

namespace {

// Letters that carry their mark inside them, which taking the marks off a decomposed text leaves alone.
QStringView plainSpelling(char32_t letter)
{
    switch (letter) {
    case U'ß':
    case U'ẞ':
        return u"ss";
    case U'æ':
    case U'Æ':
        return u"ae";
    case U'œ':
    case U'Œ':
        return u"oe";
    case U'ø':
    case U'Ø':
        return u"o";
    case U'ł':
    case U'Ł':
        return u"l";
    case U'đ':
    case U'Đ':
    case U'ð':
    case U'Ð':
        return u"d";
    case U'þ':
    case U'Þ':
        return u"th";
    case U'ı':
        return u"i";
    default:
        return {};
    }
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Appends the folded form of one character: its decomposition folded in turn, a mark dropped, a letter
// with a mark inside it spelt plainly, anything else case folded.
void appendFolded(QString& folded, char32_t letter)
{
    if (letter < 0x80) {
        folded += QChar(char16_t(letter >= U'A' && letter <= U'Z' ? letter + 32 : letter));
        return;
    }
    if (const QStringView plain = plainSpelling(letter); !plain.isEmpty()) {
        folded += plain;
        return;
    }
    const QChar::Category category = QChar::category(letter);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Mark_SpacingCombining)
        return;
    // Compatibility decompositions too split ligatures ("ﬁ") and full-width letters.
    if (QChar::decompositionTag(letter) != QChar::NoDecomposition) {
        const QString parts = QChar::decomposition(letter);
        for (const char32_t part : parts.toUcs4())
            appendFolded(folded, part);
        return;
    }
    const char32_t lower = QChar::toCaseFolded(letter);
    if (QChar::requiresSurrogates(lower)) {
        folded += QChar(QChar::highSurrogate(lower));
        folded += QChar(QChar::lowSurrogate(lower));
    } else {
        folded += QChar(char16_t(lower));
    }
}

} // namespace

QString foldedText(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    // Most texts are plain ASCII, which only needs its capitals made small.
    if (isAscii(text)) {
        folded.resize(text.size());
        QChar* out = folded.data();
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            *out++ = QChar(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit);
        }
        return folded;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t letter = text[i].unicode();
        if (QChar::isHighSurrogate(letter) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            letter = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        appendFolded(folded, letter);
    }
    return folded;
}

} // namespace tallyfox
