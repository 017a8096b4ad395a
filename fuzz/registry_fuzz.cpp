// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

// Any bytes read as a registry file: nothing crashes, and what is read, written and read again has the
// same keys, values and comments, written the same way the second time.
#include "platform/registryformat.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace tallyfox;

bool sameLines(const QList<RegistryLine>& a, const QList<RegistryLine>& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].isComment != b[i].isComment || a[i].name != b[i].name || !(a[i].value == b[i].value))
            return false;
    }
    return true;
}

bool sameContent(const RegistryContent& a, const RegistryContent& b)
{
    if (a.leadingComments() != b.leadingComments() || a.keys().size() != b.keys().size())
        return false;
    for (qsizetype i = 0; i < a.keys().size(); ++i) {
        if (a.keys()[i].path() != b.keys()[i].path() || !sameLines(a.keys()[i].lines(), b.keys()[i].lines()))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ParsedRegistry first =
        parseRegistryFile(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QByteArray written = registryFileBytes(first.content);
    const ParsedRegistry second = parseRegistryFile(written);
    if (!second.recognised || second.skippedLines != 0 || !sameContent(first.content, second.content))
        abort();
    if (registryFileBytes(second.content) != written)
        abort();
    return 0;
}
