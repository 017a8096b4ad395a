// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/quickentry/datepanel.h"

#include "money/ratetext.h"
#include "platform/clock.h"
#include "platform/userlocale.h"
#include "toolkit/paintbox.h"
#include "ui/quickentry/dateboxes.h"
#include "ui/quickentry/datesteps.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tallyfox {

namespace {

constexpr int kBoxHeight = 64;
constexpr int kSmallBoxWidth = 77;
constexpr int kYearBoxWidth = 160;

QLabel* caption(const QString& text, QWidget* parent, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, label->sizeHint().width(), 14);
    return label;
}

} // namespace

DatePanel::DatePanel(const UserLocale& locale, const Clock& clock, QWidget* parent)
    : QWidget(parent), m_locale(locale), m_clock(clock), m_day(makeBox("dayBox", 19, 19, kSmallBoxWidth)),
      m_month(makeBox("monthBox", 128, 19, kSmallBoxWidth)),
      m_year(makeBox("yearBox", 37, 107, kYearBoxWidth)), m_weekday(new QLabel(this)),
      m_today(new QPushButton(tr("Today"), this)), m_ok(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("datePanel"));
    caption(tr("Day"), this, 19, 3);
    caption(tr("Month"), this, 128, 3);
    caption(tr("Year"), this, 37, 91);

    m_day->setPaintHandler([this](Canvas& canvas, int width, int height) {
        dateboxes::paintUpDown(canvas, width, height, twoDigitText(m_date.date().day()), m_day->hasFocus());
    });
    // The lower half of the day and month boxes steps back, as its chevron shows; so does the year box's
    // left half.
    m_day->setTapHandler([this](int, int y, int, int height) { stepBox(m_day, y > height / 2 ? -1 : 1); });
    m_month->setPaintHandler([this](Canvas& canvas, int width, int height) {
        dateboxes::paintUpDown(canvas, width, height, twoDigitText(m_date.date().month()),
                               m_month->hasFocus());
    });
    m_month->setTapHandler(
        [this](int, int y, int, int height) { stepBox(m_month, y > height / 2 ? -1 : 1); });
    m_year->setPaintHandler([this](Canvas& canvas, int width, int height) {
        dateboxes::paintLeftRight(canvas, width, height, QString::number(m_date.date().year()),
                                  m_year->hasFocus());
    });
    m_year->setTapHandler([this](int x, int, int width, int) { stepBox(m_year, x > width / 2 ? 1 : -1); });
    m_day->setAccessibleName(tr("Day"));
    m_month->setAccessibleName(tr("Month"));
    m_year->setAccessibleName(tr("Year"));
    m_day->setValueHandler([this] {
        const int day = m_date.date().day();
        return PresentedValue{double(day), 1.0, double(m_date.date().daysInMonth()), 1.0, twoDigitText(day)};
    });
    m_month->setValueHandler([this] {
        const int month = m_date.date().month();
        return PresentedValue{double(month), 1.0, 12.0, 1.0, twoDigitText(month)};
    });
    m_year->setValueHandler([this] {
        const int year = m_date.date().year();
        return PresentedValue{double(year), 1.0, 9999.0, 1.0, QString::number(year)};
    });

    m_weekday->setObjectName(QStringLiteral("weekdayLabel"));
    m_weekday->setAlignment(Qt::AlignCenter);
    m_weekday->setGeometry(75, 179, 92, 18);
    m_today->setObjectName(QStringLiteral("todayButton"));
    m_today->setGeometry(11, 211, 67, 28);
    m_ok->setObjectName(QStringLiteral("dateOkButton"));
    m_ok->setGeometry(139, 211, 67, 28);
    connect(m_today, &QPushButton::clicked, this, [this] { changeDate(m_clock.now()); });
    connect(m_ok, &QPushButton::clicked, this, &DatePanel::confirmed);

    setTabOrder(m_day, m_month);
    setTabOrder(m_month, m_year);
    setTabOrder(m_year, m_today);
    setTabOrder(m_today, m_ok);
}

PaintBox* DatePanel::makeBox(const char* objectName, int x, int y, int width)
{
    auto* box = new PaintBox(this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setGeometry(x, y, width, kBoxHeight);
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(this);
    return box;
}

void DatePanel::setDate(const QDateTime& date)
{
    changeDate(date);
}

void DatePanel::changeDate(const QDateTime& date)
{
    m_date = date;
    m_weekday->setText(m_locale.dayName(m_date.date()));
    m_day->update();
    m_month->update();
    m_year->update();
}

void DatePanel::setLandscape(bool landscape)
{
    if (landscape) {
        m_weekday->move(220, 6);
        m_today->move(220, 40);
        m_ok->move(220, 100);
    } else {
        m_weekday->move(78, 182);
        m_today->move(14, 214);
        m_ok->move(142, 214);
    }
}

void DatePanel::focusFirstBox()
{
    m_day->setFocus(Qt::OtherFocusReason);
}

void DatePanel::stepBox(const QObject* box, int count)
{
    if (box == m_day)
        changeDate(datesteps::addDays(m_date, count));
    else if (box == m_month)
        changeDate(datesteps::addMonths(m_date, count));
    else if (box == m_year)
        changeDate(datesteps::addYears(m_date, count));
}

bool DatePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    int step = 0;
    if (key == Qt::Key_Up || (watched == m_year && key == Qt::Key_Right))
        step = 1;
    else if (key == Qt::Key_Down || (watched == m_year && key == Qt::Key_Left))
        step = -1;
    if (step == 0)
        return QWidget::eventFilter(watched, event);
    stepBox(watched, step);
    return true;
}

} // namespace tallyfox
