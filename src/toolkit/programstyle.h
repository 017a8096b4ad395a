// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QProxyStyle>

namespace tallyfox {

// The application's style: the style the user chose for Qt programs, else Fusion, the same on every
// machine; either way with menu rows and buttons high enough for a finger and narrow margins around the
// texts of the list's small columns.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Device-independent pixels: 7 mm on a 720-pixel-wide phone (about 11 pixels a millimetre) at its
    // scale of 3, and 7 mm on a 96-dpi desktop at scale 1.
    static constexpr int kTouchHeight = 26;

    // Over the style of that name; Fusion when none is named, the application's own when Qt knows no
    // style of the name.
    explicit ProgramStyle(const QString& baseStyle = {});

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

    // The style the user chose for every Qt program: "-style NAME" or "-style=NAME" (with one dash or
    // two) among the program's arguments, else QT_STYLE_OVERRIDE's value; empty when none.
    [[nodiscard]] static QString chosenStyle(const QStringList& arguments, const QString& styleOverride);

    // Makes this style the application's, for every window, menu and message box, over the chosen style
    // (empty: Fusion). Its face is the program's where the user chose no style, else the user's face at
    // the program's size.
    static void install(const QString& chosenStyle = {});
};

} // namespace tallyfox
