// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include "mainwindow/mainformfixture.h"
#include "support/controls.h"
#include "ui/itemeditor/itemform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <source_location>

namespace tallyfox::test {

// Calls back once, when the watched form is next shown, from within its own event loop.
class ShowWatch : public QObject
{
public:
    ShowWatch(QWidget& form, std::function<void()> shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_shown;
};

// The program's forms over a database of three entries, with the item editor driven as a user drives it:
// opened by a gesture on the main window, worked while it is up, and closed.
class ItemEditorFixture
{
public:
    // Rows in file order: 0 Dinner (receipt 0042), 1 Breakfast in US$ (no receipt), 2 an income of
    // 1500000.00.
    static const QByteArray kEntries;

    MainForm& start(const QStringList& extra = {});
    // The database the run opens: databaseFile when a test names one before start.
    [[nodiscard]] QString database() const
    {
        return databaseFile.isEmpty() ? fixture.settingsFolder() + QStringLiteral("mine.tfx") : databaseFile;
    }
    [[nodiscard]] ItemForm& editor() { return fixture.forms->item(); }
    [[nodiscard]] AppState& state() { return *fixture.state; }
    [[nodiscard]] const Expense& entry(int index) { return fixture.state->entries[index]; }

    // The editor's controls, through test::control.
    template <typename Control>
    [[nodiscard]] Control* control(const char* name,
                                   const std::source_location& where = std::source_location::current())
    {
        return test::control<Control>(editor(), name, where);
    }
    [[nodiscard]] QComboBox* box(const char* name,
                                 const std::source_location& where = std::source_location::current())
    {
        return control<QComboBox>(name, where);
    }
    [[nodiscard]] QString labelText(const char* name,
                                    const std::source_location& where = std::source_location::current())
    {
        return control<QLabel>(name, where)->text();
    }
    // Due to accept the editor at the next tick of its close timer, once the quick entry has closed.
    [[nodiscard]] bool closePending() { return control<QTimer>("closeTimer")->isActive(); }
    [[nodiscard]] QString rightKey() const;
    [[nodiscard]] bool rightKeyEnabled() const;

    // Runs work once the editor that open brings up is on screen, and returns when it has closed. An
    // editor that work leaves open is cancelled and the test fails.
    void whileOpen(const std::function<void()>& open, const std::function<void(ItemForm&)>& work);
    void newItem(const std::function<void(ItemForm&)>& work);
    void editRow(int row, const std::function<void(ItemForm&)>& work);

    // Keys sent to the control that has the focus, as typing does.
    static void type(const QString& text);
    static void press(Qt::Key key);
    void tapRightKey();
    // A tap on the quick entry's list item with this text, and on one of its controls.
    void tapQuickItem(const QString& text);
    void tapQuick(const char* name, QPoint at = {});
    // Only these quick-entry steps (their positions among the seven) are enabled.
    void enableQuickSteps(std::initializer_list<int> positions);

    MainFormFixture fixture;
    QString databaseFile;
    MainForm* form = nullptr;
};

} // namespace tallyfox::test
