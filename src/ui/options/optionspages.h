// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallyfox {

struct OptionsEdit;

// The options' first page: the settings folder, the receipt number, two settings, the four list
// buttons and whether the main window shows this month's line. Controls are placed in device-independent
// pixels on the page.
class GeneralPage : public QWidget
{
    Q_OBJECT

public:
    enum class List
    {
        Currencies,
        ExpenseTypes,
        PaymentMethods,
        IntendedSources,
    };

    explicit GeneralPage(QWidget* parent = nullptr);

    void load(const OptionsEdit& edit);
    void store(OptionsEdit& edit) const;
    void showLocation(const QString& location);
    void arrange(bool landscape);

Q_SIGNALS:
    void changeLocationClicked();
    void listClicked(List list);

private:
    QLabel* m_location;
    QPushButton* m_changeLocation;
    QLineEdit* m_receipt;
    QCheckBox* m_enableLogging;
    QCheckBox* m_incomeIsPositive;
    std::array<QPushButton*, 4> m_lists{};
    QCheckBox* m_showMonthLine;
};

// The second page: the finger-friendly settings and which steps the quick entry asks.
class FingerPage : public QWidget
{
    Q_OBJECT

public:
    explicit FingerPage(QWidget* parent = nullptr);

    void load(const OptionsEdit& edit);
    void store(OptionsEdit& edit) const;
    void arrange(bool landscape);

private:
    QCheckBox* m_fingerFriendly;
    QCheckBox* m_startWithQuick;
    QGroupBox* m_quickGroup;
    // The box of each quick entry step, by its place among the settings' seven flags.
    std::array<QCheckBox*, 7> m_quickSteps{};
    QCheckBox* m_increase9Is0;
    QCheckBox* m_skipOverview;
};

} // namespace tallyfox
