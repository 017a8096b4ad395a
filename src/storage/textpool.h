#pragma once

#include <QByteArrayView>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallyfox {

// Shares one QString among all entries that hold the same text: types, currencies, sources and payment
// methods repeat on almost every line, so a large database keeps one copy of each. The pool stops
// growing at a bound, so a file of unique texts costs no more than decoding them one by one.
class TextPool
{
public:
    explicit TextPool(size_t maxTexts = 65536) : m_maxTexts(maxTexts) {}

    // The UTF-8 bytes decoded and trimmed of white space.
    [[nodiscard]] QString trimmedText(QByteArrayView utf8);

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_texts;
    size_t m_maxTexts;
};

} // namespace tallyfox
