// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "platform/registrycontent.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

namespace tallyfox {

// The registry file is in the registry editor's export form: a header line, then one section a key,
//
//     [HKEY_LOCAL_MACHINE\Software\Tallyfox]
//     "Lastusedcurrency"="EUR"
//     "Version"=dword:000003b9
//
// texts in double quotes with \\ and \" escaped, numbers as eight hex digits, ";" starting a comment.
// A text that a quoted line cannot hold (a line break, a control character) is written as hex(1): its
// UTF-16 bytes, as the registry editor does.

struct ParsedRegistry
{
    RegistryContent content;
    // Lines that could not be read and were skipped; values below a section that could not be read count
    // among them.
    int skippedLines = 0;
    // False when nothing in a non-empty file reads as a registry file (another program's file given by
    // mistake): the caller must not write over it.
    bool recognised = true;
};

// Reads the file's bytes: UTF-8 (a line that is not valid UTF-8 reads as Windows-1252), or UTF-16 when it
// starts with its byte-order mark. Line ends may be CR LF or LF. Any bytes are accepted.
[[nodiscard]] ParsedRegistry parseRegistryFile(QByteArrayView bytes);

// The file's bytes: UTF-8 without byte-order mark, CR LF line ends.
[[nodiscard]] QByteArray registryFileBytes(const RegistryContent& content);

// Writes registryFileBytes to the device; false when the device fails.
[[nodiscard]] bool writeRegistryFile(QIODevice& device, const RegistryContent& content);

} // namespace tallyfox
