// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QString>
#include <QStringView>

namespace tallyfox {

// A text as the filter compares it: case folded and without accents, so that "cafe" finds "Café" and
// "strasse" finds "Straße". Letters whose mark is part of the letter (ø, ł, đ, æ, œ, ß and the like) are
// spelt with plain letters; other marks are dropped.
[[nodiscard]] QString foldedText(QStringView text);

} // namespace tallyfox
