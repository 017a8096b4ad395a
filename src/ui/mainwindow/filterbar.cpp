// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/mainwindow/filterbar.h"

#include "toolkit/fingerscrolling.h"
#include "toolkit/programfont.h"
#include "toolkit/programstyle.h"
#include "ui/widgets/datepicker.h"
#include "ui/widgets/shownenglish.h"

#include <QAction>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace tallyfox {

namespace {

QAction* addChoice(QMenu* menu, const QString& text, const char* objectName)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setCheckable(true);
    return action;
}

QToolButton* makeKey(const QString& text, const char* objectName)
{
    auto* key = new QToolButton;
    key->setObjectName(QString::fromLatin1(objectName));
    key->setText(text);
    key->setFocusPolicy(Qt::NoFocus);
    key->setFixedHeight(ProgramStyle::kTouchHeight);
    key->setMinimumWidth(ProgramStyle::kTouchHeight);
    return key;
}

} // namespace

FilterBar::FilterBar(const Clock& clock, const QLocale& locale, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_search(new QLineEdit),
      m_clear(makeKey(QStringLiteral("\u00d7"), "filterClearButton")),
      m_choices(makeKey(tr("Filter"), "filterChoicesButton")), m_menu(new QMenu(this)),
      m_rangeRow(new QWidget), m_from(new QDateEdit), m_to(new QDateEdit)
{
    setObjectName(QStringLiteral("filterBar"));
    m_search->setObjectName(QStringLiteral("filterField"));
    m_menu->setObjectName(QStringLiteral("filterMenu"));
    m_rangeRow->setObjectName(QStringLiteral("filterRangeRow"));
    m_from->setObjectName(QStringLiteral("filterFrom"));
    m_to->setObjectName(QStringLiteral("filterTo"));

    // A finger-sized row on a phone, as its soft keys are.
    m_search->setFixedHeight(ProgramStyle::kTouchHeight);
    m_search->setPlaceholderText(fingerscrolling::isOnPhone(*this) ? tr("Find") : tr("Find (Ctrl+F)"));
    m_search->setToolTip(tr("Shows the entries that show every word typed in some column; "
                            "Esc clears the filter"));
    m_search->installEventFilter(this);
    m_clear->setToolTip(tr("Show every entry"));
    m_search->setAccessibleName(tr("Find"));
    m_clear->setAccessibleName(tr("Show every entry"));
    m_from->setAccessibleName(tr("From"));
    m_to->setAccessibleName(tr("to"));
    m_choices->setToolTip(tr("Dates, expenses or income"));
    // The menu opens below the key, which shows no arrow of its own in the little room it has.
    connect(m_choices, &QToolButton::clicked, this,
            [this] { m_menu->popup(m_choices->mapToGlobal(QPoint(0, m_choices->height()))); });

    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->setSpacing(2);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_clear);
    searchRow->addWidget(m_choices);

    for (QDateEdit* picker : {m_from, m_to}) {
        showDatesAsTheUserWrites(*picker, locale);
        picker->setCalendarPopup(true);
        picker->setFixedHeight(ProgramStyle::kTouchHeight);
        picker->setInputMethodHints(Qt::ImhDate | Qt::ImhPreferNumbers);
    }
    auto* range = new QHBoxLayout(m_rangeRow);
    range->setContentsMargins(0, 0, 0, 0);
    range->setSpacing(2);
    range->addWidget(new QLabel(tr("From")));
    range->addWidget(m_from, 1);
    range->addWidget(new QLabel(tr("to")));
    range->addWidget(m_to, 1);
    m_rangeRow->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(searchRow);
    layout->addWidget(m_rangeRow);

    buildMenu();
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_showing)
            return;
        EntryFilter filter = m_filter;
        filter.text = text;
        change(filter);
    });
    connect(m_clear, &QToolButton::clicked, this, &FilterBar::clearFilter);
    connect(m_from, &QDateEdit::dateChanged, this, [this](QDate from) {
        if (m_showing)
            return;
        EntryFilter filter = m_filter;
        filter.from = from;
        // A range that would end before it begins moves its end along.
        if (!filter.to || *filter.to < from)
            filter.to = from;
        change(filter);
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](QDate to) {
        if (m_showing)
            return;
        EntryFilter filter = m_filter;
        filter.to = to;
        if (!filter.from || *filter.from > to)
            filter.from = to;
        change(filter);
    });
    showFilter();
}

void FilterBar::buildMenu()
{
    m_thisMonth = addChoice(m_menu, tr("This month"), "filterThisMonthAction");
    m_lastMonth = addChoice(m_menu, tr("Last month"), "filterLastMonthAction");
    m_thisYear = addChoice(m_menu, tr("This year"), "filterThisYearAction");
    m_range = addChoice(m_menu, tr("From a day to a day"), "filterRangeAction");
    m_menu->addSeparator();
    m_expenses = addChoice(m_menu, tr("Expenses only"), "filterExpensesAction");
    m_income = addChoice(m_menu, tr("Income only"), "filterIncomeAction");
    m_menu->addSeparator();
    for (const FilterField field : kFilterFields) {
        QAction* action = addChoice(m_menu, QString(), "filterValueAction");
        action->setObjectName(QStringLiteral("filterValue%1Action").arg(int(field)));
        m_values[size_t(field)] = action;
        connect(action, &QAction::triggered, this, [this, field] {
            EntryFilter filter = m_filter;
            filter.value(field).reset();
            change(filter);
        });
    }
    m_clearAll = m_menu->addAction(tr("Clear filter"));
    m_clearAll->setObjectName(QStringLiteral("filterClearAction"));

    connect(m_thisMonth, &QAction::triggered, this, [this] { chooseRange(thisMonthRange(m_clock.today())); });
    connect(m_lastMonth, &QAction::triggered, this, [this] { chooseRange(lastMonthRange(m_clock.today())); });
    connect(m_thisYear, &QAction::triggered, this, [this] { chooseRange(thisYearRange(m_clock.today())); });
    connect(m_range, &QAction::triggered, this, [this] {
        if (m_filter.from || m_filter.to) {
            chooseRange({});
            return;
        }
        chooseRange(thisMonthRange(m_clock.today()));
        m_from->setFocus();
    });
    connect(m_expenses, &QAction::triggered, this, [this] { toggleIncome(false); });
    connect(m_income, &QAction::triggered, this, [this] { toggleIncome(true); });
    connect(m_clearAll, &QAction::triggered, this, &FilterBar::clearFilter);
}

void FilterBar::setFilter(const EntryFilter& filter)
{
    change(filter);
}

void FilterBar::showOnly(FilterField field, const QString& value)
{
    EntryFilter filter = m_filter;
    filter.value(field) = value;
    change(filter);
}

void FilterBar::clearFilter()
{
    change({});
}

void FilterBar::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void FilterBar::setTakesFocus(bool takes)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_search, m_from, m_to})
        control->setFocusPolicy(takes ? Qt::StrongFocus : Qt::NoFocus);
}

void FilterBar::chooseRange(const DateRange& range)
{
    EntryFilter filter = m_filter;
    // The range chosen again is taken back.
    const bool same = filter.from == range.from && filter.to == range.to;
    filter.from = same || !range.from.isValid() ? std::nullopt : std::optional(range.from);
    filter.to = same || !range.to.isValid() ? std::nullopt : std::optional(range.to);
    change(filter);
}

void FilterBar::toggleIncome(bool income)
{
    EntryFilter filter = m_filter;
    if (filter.income == income)
        filter.income.reset();
    else
        filter.income = income;
    change(filter);
}

void FilterBar::change(const EntryFilter& filter)
{
    if (filter == m_filter) {
        showFilter();
        return;
    }
    m_filter = filter;
    showFilter();
    Q_EMIT filterChanged();
}

void FilterBar::showFilter()
{
    m_showing = true;
    if (m_search->text() != m_filter.text)
        m_search->setText(m_filter.text);
    const bool ranged = m_filter.from || m_filter.to;
    if (ranged) {
        m_from->setDate(m_filter.from.value_or(*m_filter.to));
        m_to->setDate(m_filter.to.value_or(*m_filter.from));
    }
    m_rangeRow->setVisible(ranged);
    m_clear->setVisible(!m_filter.isEmpty());
    const int choices = m_filter.choiceCount();
    m_choices->setText(choices > 0 ? tr("Filter (%1)").arg(choices) : tr("Filter"));

    const QDate today = m_clock.today();
    const auto isRange = [this](const DateRange& range) {
        return m_filter.from == range.from && m_filter.to == range.to;
    };
    m_thisMonth->setChecked(isRange(thisMonthRange(today)));
    m_lastMonth->setChecked(isRange(lastMonthRange(today)));
    m_thisYear->setChecked(isRange(thisYearRange(today)));
    m_range->setChecked(ranged);
    m_expenses->setChecked(m_filter.income == false);
    m_income->setChecked(m_filter.income == true);
    for (const FilterField field : kFilterFields) {
        QAction* action = m_values[size_t(field)];
        const std::optional<QString>& value = m_filter.value(field);
        action->setVisible(value.has_value());
        action->setChecked(value.has_value());
        if (value) {
            const QString shown = value->isEmpty() ? tr("(none)") : *value;
            action->setText(shownEnglish("FilterField", filterFieldCaption(field)) + QStringLiteral(": ") +
                            QString(shown).replace(u'&', QStringLiteral("&&")));
        }
    }
    m_clearAll->setEnabled(!m_filter.isEmpty());
    m_showing = false;
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::FocusIn)
        Q_EMIT searchFocused();
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            clearFilter();
            Q_EMIT leaveRequested();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            Q_EMIT leaveRequested();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyfox
