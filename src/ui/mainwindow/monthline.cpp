// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/monthline.h"

#include "money/thismonth.h"
#include "toolkit/programfont.h"
#include "toolkit/programstyle.h"

#include <QMouseEvent>

namespace tallyfox {

namespace {

constexpr int kOneLinePixelSize = 13;
// Two lines of it, and the margins, fill a finger's height.
constexpr int kTwoLinesPixelSize = 10;
constexpr int kMargin = 2;

} // namespace

MonthLine::MonthLine(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("monthLine"));
    setWordWrap(true);
    setMargin(kMargin);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Open the overview"));
    setBackgroundRole(QPalette::AlternateBase);
    setAutoFillBackground(true);
}

void MonthLine::refresh(const AppState& state, QDate today)
{
    if (!m_shown)
        return;
    const ConvertedTotals totals = thisMonthTotals(state, today);
    m_sums = thisMonthText(totals);
    m_warning = totals.notAllFound;
    fit();
}

void MonthLine::fit()
{
    const QFont wide = programfont::font(kOneLinePixelSize);
    const bool oneLine = QFontMetrics(wide).horizontalAdvance(m_sums) <= width() - 2 * kMargin - 4;
    const QFont shown = oneLine ? wide : programfont::font(kTwoLinesPixelSize);
    setFont(shown);
    const int lines = (oneLine ? 1 : 2) + (m_warning ? 1 : 0);
    setFixedHeight(std::max(ProgramStyle::kTouchHeight, lines * QFontMetrics(shown).height() + 2 * kMargin));
    setText(m_warning ? m_sums + u'\n' + tr("(Not all currencies found in list!)") : m_sums);
}

void MonthLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (!m_sums.isEmpty())
        fit();
}

void MonthLine::setShown(bool shown, const AppState& state, QDate today)
{
    m_shown = shown;
    setVisible(shown);
    refresh(state, today);
}

void MonthLine::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void MonthLine::mouseReleaseEvent(QMouseEvent* event)
{
    const bool tap =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (tap)
        Q_EMIT tapped();
}

} // namespace tallyfox
