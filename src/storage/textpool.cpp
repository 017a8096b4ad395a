#include "storage/textpool.h"

namespace tallyfox {

QString TextPool::trimmedText(QByteArrayView utf8)
{
    const std::string_view key(utf8.data(), static_cast<size_t>(utf8.size()));
    if (const auto it = m_texts.find(key); it != m_texts.end())
        return it->second;
    QString text = QString::fromUtf8(utf8).trimmed();
    if (m_texts.size() < m_maxTexts)
        m_texts.emplace(key, text);
    return text;
}

} // namespace tallyfox
