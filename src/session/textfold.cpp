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

} // namespace

QString foldedText(QStringView text)
{
    // Most texts are plain ASCII, which only needs its capitals made small.
    if (isAscii(text)) {
        QString folded(text.size(), Qt::Uninitialized);
        QChar* out = folded.data();
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            *out++ = QChar(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit);
        }
        return folded;
    }
    // Compatibility decomposition also splits ligatures ("ﬁ") and full-width letters.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    const QList<uint> letters = decomposed.toUcs4();
    for (const uint letter : letters) {
        const QChar::Category category = QChar::category(char32_t(letter));
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Mark_SpacingCombining)
            continue;
        if (const QStringView plain = plainSpelling(char32_t(letter)); !plain.isEmpty()) {
            folded += plain;
            continue;
        }
        const char32_t lower = QChar::toCaseFolded(char32_t(letter));
        if (QChar::requiresSurrogates(lower)) {
            folded += QChar(QChar::highSurrogate(lower));
            folded += QChar(QChar::lowSurrogate(lower));
        } else {
            folded += QChar(char16_t(lower));
        }
    }
    return folded;
}

} // namespace tallyfox
