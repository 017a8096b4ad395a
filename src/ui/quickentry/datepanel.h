// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDateTime>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tallyfox {

class Clock;
class PaintBox;
class UserLocale;

// The quick entry's date: day, month and year boxes tapped up and down, the day's name, "Today" and
// "OK". At a desk the boxes take Up and Down (the year box Left and Right too).
class DatePanel : public QWidget
{
    Q_OBJECT

public:
    DatePanel(const UserLocale& locale, const Clock& clock, QWidget* parent = nullptr);

    void setDate(const QDateTime& date);
    [[nodiscard]] const QDateTime& date() const { return m_date; }

    // Moves the day's name, "Today" and "OK" into a column at the right, or back below the year.
    void setLandscape(bool landscape);
    // The day box takes the keys first.
    void focusFirstBox();

Q_SIGNALS:
    // "OK" was pressed.
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PaintBox* makeBox(const char* objectName, int x, int y, int width);
    // Steps the date by count days, months or years, by the box.
    void stepBox(const QObject* box, int count);
    void changeDate(const QDateTime& date);

    const UserLocale& m_locale;
    const Clock& m_clock;
    QDateTime m_date;
    PaintBox* m_day;
    PaintBox* m_month;
    PaintBox* m_year;
    QLabel* m_weekday;
    QPushButton* m_today;
    QPushButton* m_ok;
};

} // namespace tallyfox
