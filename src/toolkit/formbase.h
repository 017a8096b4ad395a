// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#pragma once

#include <QDialog>

namespace tallyfox {

class FormSizes;
class SoftKeyBar;

// A form: a caption, a content area whose controls are placed in device-independent pixels, and the
// soft-key bar below it. Shown modally it returns 1 (OK) or 2 (Cancel). On a phone it fills the screen;
// on a desktop it first opens at the size of its content (or the size a person gave it in an earlier
// run, when it has a place to keep sizes), can be made larger, and keeps its size between showings.
class FormBase : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    // The screen the layouts are made for, in device-independent pixels.
    static constexpr int kScreenWidth = 240;
    static constexpr int kScreenHeight = 320;

    explicit FormBase(const QString& caption, QWidget* parent = nullptr);

    // Shows the form modally and returns kResultOk or kResultCancel. Once it has closed, the window below
    // it has the keyboard again.
    int showModal();
    // Where the form keeps the size a person gives it on a desktop, under the form's name; the place must
    // outlive the form.
    void setSizeMemory(FormSizes* sizes) { m_sizes = sizes; }
    // The size of the content as the controls are placed, with the soft keys below, at most the layout's
    // screen; the whole layout screen for a content area that arranges itself.
    [[nodiscard]] QSize naturalSize() const;
    // The name the form's size is kept under: its object name, starting with a capital ("ItemForm").
    [[nodiscard]] QString sizeName() const;
    void closeWith(int result);

    // Places a control of the content area at a position and size given in device-independent pixels.
    void place(QWidget* control, int x, int y, int width, int height);

    // Wider than high.
    [[nodiscard]] bool isLandscape() const;
    // A form that lays its controls out over whatever room its content area has (a report, a table)
    // takes the layout's whole screen as its natural size.
    void setFillsContent(bool fills) { m_fillsContent = fills; }

protected:
    // The soft-key bar ("softKeyBar") and the content area ("formContent") of the form.
    [[nodiscard]] SoftKeyBar* softKeys() const { return m_softKeys; }
    [[nodiscard]] QWidget* content() const { return m_content; }
    // Forms that arrange their controls by orientation move them here.
    virtual void orientationChanged(bool landscape);
    void resizeEvent(QResizeEvent* event) override;
    // At a desk Enter does what the right soft key does, unless a button of the form has the focus;
    // Escape does what "Cancel" does (reject).
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void fitDesktop();
    void keepDesktopSize();

    FormSizes* m_sizes = nullptr;
    // The size the form opened at on a desktop; a different one at closing was given by the person.
    QSize m_openedSize;
    // Whether the form has had its first desktop size.
    bool m_fitted = false;
    bool m_fillsContent = false;
    QWidget* m_content;
    SoftKeyBar* m_softKeys;
    bool m_landscape = false;
};

} // namespace tallyfox
