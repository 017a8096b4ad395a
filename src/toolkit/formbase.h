#pragma once

#include <QDialog>

namespace tallyfox {

class SoftKeyBar;

// A form: a caption, a content area whose controls are placed in device-independent pixels, and the
// soft-key bar below it. Shown modally it returns 1 (OK) or 2 (Cancel).
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

    [[nodiscard]] SoftKeyBar* softKeys() const { return m_softKeys; }
    [[nodiscard]] QWidget* content() const { return m_content; }

    // Shows the form modally and returns kResultOk or kResultCancel.
    int showModal();
    void closeWith(int result);

    // Places a control of the content area at a position and size given in device-independent pixels.
    void place(QWidget* control, int x, int y, int width, int height);

    // Wider than high.
    [[nodiscard]] bool isLandscape() const;

protected:
    // Forms that arrange their controls by orientation move them here.
    virtual void orientationChanged(bool landscape);
    void resizeEvent(QResizeEvent* event) override;
    // At a desk Enter does what the right soft key does, unless a button of the form has the focus;
    // Escape does what "Cancel" does (reject).
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    QWidget* m_content;
    SoftKeyBar* m_softKeys;
    bool m_landscape = false;
};

} // namespace tallyfox
