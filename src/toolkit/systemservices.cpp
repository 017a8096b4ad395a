// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/systemservices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>

namespace tallyfox {

void setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void showSoftInputPanel()
{
    QGuiApplication::inputMethod()->show();
}

void hideSoftInputPanel()
{
    QGuiApplication::inputMethod()->hide();
}

} // namespace tallyfox
