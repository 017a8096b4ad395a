// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QCoreApplication>
#include <QString>

namespace tallyfox {

// A fixed text a lower layer gives in English (marked there with QT_TRANSLATE_NOOP under the context), as
// the window shows it: in the window's language. The lower layer's text stays English for files and for
// tallyfox-cli.
[[nodiscard]] inline QString shownEnglish(const char* context, const QString& english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

} // namespace tallyfox
