#pragma once

#include <QProxyStyle>

namespace tallyfox {

// The application's style: Fusion, the same on every machine, with menu rows and buttons high enough for a
// finger and narrow margins around the texts of the list's small columns.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Device-independent pixels: 7 mm on a 720-pixel-wide phone (about 11 pixels a millimetre) at its
    // scale of 3, and 7 mm on a 96-dpi desktop at scale 1.
    static constexpr int kTouchHeight = 26;

    ProgramStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

    // Makes this style and the program's face the application's, for every window, menu and message box.
    static void install();
};

} // namespace tallyfox
