// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tallyfox {

// The list editor's edit panel across the top of the form: the name box with "OK" and "cancel", and for
// a currency other than the primary one the rate row, 1 EUR = [1.44] US$, with a hint beside the rate
// box as soon as the rate cannot be taken.
class ListEditPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 37;
    static constexpr int kHeightWithRate = 70;

    explicit ListEditPanel(QWidget* parent = nullptr);

    // Shows a row's texts; the rate row only when withRate. A new row's "OK" waits for a name.
    void start(const QString& name, bool withRate, const QString& rate, const QString& primaryName,
               bool isNew);
    [[nodiscard]] QString name() const;
    [[nodiscard]] QString rate() const;
    [[nodiscard]] bool hasRateRow() const { return m_withRate; }
    [[nodiscard]] int panelHeight() const { return m_withRate ? kHeightWithRate : kHeight; }
    // The panel's controls in reading order: the name row, then the rate box.
    [[nodiscard]] QList<QWidget*> readingOrder() const;

    // The panel's "OK" and "cancel"; "OK" does nothing while disabled.
    void accept();
    void cancel();

Q_SIGNALS:
    void accepted();
    void cancelled();

protected:
    // Enter is the panel's "OK" and Escape its "cancel", wherever the focus is inside it.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void followTyping();
    void refreshLabels();

    QLineEdit* m_name;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QWidget* m_rateRow;
    QLabel* m_rateBefore;
    QLineEdit* m_rate;
    QLabel* m_rateAfter;
    QLabel* m_hint;
    QString m_primaryName;
    bool m_withRate = false;
};

} // namespace tallyfox
