// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/amountbox/digitamountbox.h"

#include "core/textforms.h"
#include "toolkit/canvas.h"

#include <algorithm>
#include <cmath>

namespace tallyfox {

// Named, so that its helpers cannot clash with those of the files the unity build compiles with it.
namespace digitbox {
namespace {

constexpr int kLeftStrip = 15;
constexpr int kPointWidth = 13;
constexpr double kLargestAmount = 999999.99;
// The place values of the digit columns, from hundred-thousands to hundredths.
constexpr std::array<double, DigitAmountBox::kDigitColumns> kPlaceValues{100000, 10000, 1000, 100,
                                                                         10,     1,     0.1,  0.01};

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kLine = 0xE0E0E0;
constexpr QRgb kActive = 0xA0A0A0;
constexpr QRgb kInactive = 0xF0F0F0;

// Halves away from zero, as every rounding of the box does.
int roundedPixel(double value)
{
    return static_cast<int>(std::lround(value));
}

// The width of a digit column: what the strips and the decimal point leave, shared by the columns shown.
double columnWidth(int width, int columns, bool decimalsShown)
{
    return static_cast<double>(width - (decimalsShown ? kPointWidth : 0) - 30) /
           (columns + (decimalsShown ? 2 : 0));
}

// The position in the nine-character text of a digit column: the decimals come after the point.
int textPosition(int column)
{
    return column < 6 ? column : column + 1;
}

// The whole amount in cents, read back from the text the columns show, so that every rule about
// "more than 999.99" agrees with what is drawn.
long long centsOf(const QString& digits)
{
    long long cents = 0;
    for (const QChar ch : digits) {
        if (ch.isDigit())
            cents = cents * 10 + ch.digitValue();
    }
    return cents;
}

// The span of a digit column between two boundaries.
struct Span
{
    int from;
    int to;
};

Span columnSpan(const DigitAmountBox::Boundaries& x, int column)
{
    return column < 6 ? Span{x[column], x[column + 1]} : Span{x[column + 1], x[column + 2]};
}

bool isColumnShown(int column, int columns, bool decimalsShown)
{
    if (column >= 6)
        return decimalsShown;
    // The three leading integer columns appear as the count grows from 3 to 6.
    return column >= 3 || columns >= 6 - column;
}

void drawLeftStrip(Canvas& surface, int h0, int height, int columns, long long cents)
{
    const int half = height / 2;
    const int h = h0 / 6;
    const int l = height / 10;
    const int q = height / 4;
    surface.setPen(4, columns == 6 ? kInactive : kActive);
    surface.polyline({{h0 - h, l}, {h, q - 1}, {h, q + 1}, {h0 - h, half - l}});
    const bool canShrink = (columns == 4 && cents < 100000) || (columns == 5 && cents < 1000000) ||
                           (columns == 6 && cents < 10000000);
    surface.setPen(4, canShrink ? kActive : kInactive);
    surface.polyline({{h, half + l}, {h0 - h, half + q - 1}, {h0 - h, half + q + 1}, {h, height - l}});
    surface.setPen(4, kLine);
    surface.line({0, half}, {h0, half});
}

void drawColumnChevrons(Canvas& surface, Span span, int height)
{
    const int h = (span.to - span.from) / 4;
    const int l = height / 10;
    const int f = (2 * height) / 5;
    const int m = (span.from + span.to) / 2;
    surface.polyline({{span.from + h, f}, {m + 1, l}, {m - 1, l}, {span.to - h, f}});
    surface.polyline(
        {{span.from + h, height - f}, {m + 1, height - l}, {m - 1, height - l}, {span.to - h, height - f}});
}

void drawCentred(Canvas& surface, Span span, int height, const QString& text)
{
    const int x = span.from + (span.to - span.from - surface.textWidth(text)) / 2;
    const int y = (height - surface.textHeight()) / 2;
    surface.text({x, y}, text);
}

void drawRightStrip(Canvas& surface, int x9, int width, int height, bool decimalsShown, bool hasFraction)
{
    const int half = height / 2;
    const int h = (width - x9) / 6;
    const int f = height / 6;
    // Pointing right offers the decimals; pointing left offers to hide them.
    const int tail = decimalsShown ? width - h : x9 + h;
    const int tip = decimalsShown ? x9 + h : width - h;
    surface.setPen(4, decimalsShown && hasFraction ? kInactive : kActive);
    surface.polyline({{tail, f}, {tip, half - 1}, {tip, half + 1}, {tail, height - f}});
}

} // namespace
} // namespace digitbox

DigitAmountBox::Boundaries DigitAmountBox::geometry(int width, int columns, bool decimalsShown)
{
    const double w = digitbox::columnWidth(width, columns, decimalsShown);
    // Accumulated as real numbers, so that rounding does not add up across the columns.
    const std::array<double, 9> steps{columns >= 6 ? w : 0.0,
                                      columns >= 5 ? w : 0.0,
                                      columns >= 4 ? w : 0.0,
                                      w,
                                      w,
                                      w,
                                      decimalsShown ? static_cast<double>(digitbox::kPointWidth) : 0.0,
                                      decimalsShown ? w : 0.0,
                                      decimalsShown ? w : 0.0};
    Boundaries x{};
    double at = digitbox::kLeftStrip;
    x[0] = digitbox::kLeftStrip;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        at += steps[i];
        x[i + 1] = digitbox::roundedPixel(at);
    }
    return x;
}

QString DigitAmountBox::digitText(double amount)
{
    // Outside the limits (or not a number) the box shows the nearest amount it can hold.
    const double shown = amount > 0 ? std::min(amount, digitbox::kLargestAmount) : 0.0;
    return amountText(shown).rightJustified(9, u'0');
}

double DigitAmountBox::stepped(double amount, int column, int step, bool increase9Is0)
{
    if (column < 0 || column >= kDigitColumns)
        return amount;
    double candidate = 0;
    if (increase9Is0) {
        QString digits = digitText(amount);
        const int position = digitbox::textPosition(column);
        const int digit = (digits[position].digitValue() + step + 10) % 10;
        digits[position] = QChar(u'0' + digit);
        candidate = readNumber(digits);
    } else {
        candidate = amount + step * digitbox::kPlaceValues[static_cast<std::size_t>(column)];
    }
    // Whole cents: 0.10 + 0.20 must be 0.30, not a hair above it.
    candidate = std::round(candidate * 100.0) / 100.0 + 0.0;
    return candidate >= 0 && candidate < 1000000 ? candidate : amount;
}

void DigitAmountBox::paint(Canvas& surface, int width, int height, DigitAmount& value)
{
    // The platform may ask for a paint from within drawing calls.
    if (m_painting)
        return;
    m_painting = true;

    const QString digits = digitText(value.amount);
    const long long cents = digitbox::centsOf(digits);
    const bool hasFraction = cents % 100 != 0;
    if (!value.decimalsShown && hasFraction)
        value.decimalsShown = true;
    value.columns = std::clamp(value.columns, kMinimumColumns, kMaximumColumns);
    if (value.columns == 3 && cents > 99999)
        value.columns = 4;
    if (value.columns == 4 && cents > 999999)
        value.columns = 5;
    if (value.columns == 5 && cents > 9999999)
        value.columns = 6;

    const bool decimals = value.decimalsShown;
    const int half = height / 2;
    const double w = digitbox::columnWidth(width, value.columns, decimals);
    const int fontHeight = std::max(1, std::min(height, digitbox::roundedPixel(2 * w)));
    m_boundaries = geometry(width, value.columns, decimals);
    m_painted = true;
    const Boundaries& x = m_boundaries;

    surface.fill({0, 0, width, height}, digitbox::kWhite);
    surface.setPen(4, digitbox::kLine);
    surface.line({x[0], half}, {x[9], half});
    digitbox::drawLeftStrip(surface, x[0], height, value.columns, cents);

    surface.setFontHeight(fontHeight);
    for (int column = 0; column < kDigitColumns; ++column) {
        if (!digitbox::isColumnShown(column, value.columns, decimals))
            continue;
        const digitbox::Span span = digitbox::columnSpan(x, column);
        surface.setPen(6, digitbox::kLine);
        digitbox::drawColumnChevrons(surface, span, height);
        surface.setPen(1, digitbox::kBlack);
        digitbox::drawCentred(surface, span, height, digits.mid(digitbox::textPosition(column), 1));
    }
    if (decimals) {
        surface.setPen(1, digitbox::kBlack);
        digitbox::drawCentred(surface, {x[6], x[7]}, height, QStringLiteral("."));
    }

    digitbox::drawRightStrip(surface, x[9], width, height, decimals, hasFraction);

    surface.setPen(2, digitbox::kBlack);
    for (const int at : x)
        surface.line({at, 0}, {at, height});
    surface.setPen(6, digitbox::kBlack);
    surface.polyline({{0, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}});

    m_painting = false;
}

bool DigitAmountBox::tap(int x, int y, int width, int height, DigitAmount& value, bool increase9Is0) const
{
    if (!m_painted)
        return false;
    const DigitAmount before = value;
    const int half = height / 2;
    const int step = y > half ? -1 : 1;
    const Boundaries& b = m_boundaries;

    if (0 < x && x < b[0]) {
        // Fewer columns than the amount needs come back at the next paint.
        value.columns = y < half ? std::min(value.columns + 1, kMaximumColumns)
                                 : std::max(value.columns - 1, kMinimumColumns);
    }
    for (int column = 0; column < kDigitColumns; ++column) {
        const digitbox::Span span = digitbox::columnSpan(b, column);
        if (span.from < x && x < span.to)
            value.amount = stepped(value.amount, column, step, increase9Is0);
    }
    if (b[9] < x && x < width) {
        // Hiding the decimals of an amount with a fraction is undone by the next paint.
        value.decimalsShown = !value.decimalsShown;
    }
    return !(value == before);
}

} // namespace tallyfox
