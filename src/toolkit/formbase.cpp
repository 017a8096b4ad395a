#include "toolkit/formbase.h"

#include "toolkit/screenfit.h"
#include "toolkit/softkeybar.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tallyfox {

FormBase::FormBase(const QString& caption, QWidget* parent)
    : QDialog(parent), m_content(new QWidget(this)), m_softKeys(new SoftKeyBar(this))
{
    setWindowTitle(caption);
    m_content->setObjectName(QStringLiteral("formContent"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_content, 1);
    layout->addWidget(m_softKeys);
    resize(kScreenWidth, kScreenHeight);
}

int FormBase::showModal()
{
    // On a phone every form takes the whole screen, as the main window does.
    if (screen() && screenfit::isPhoneSized(screenfit::unscaled(screen()->geometry().size())))
        setWindowState(windowState() | Qt::WindowMaximized);
    const int result = exec();
    return result == kResultOk ? kResultOk : kResultCancel;
}

void FormBase::closeWith(int result)
{
    done(result);
}

void FormBase::place(QWidget* control, int x, int y, int width, int height)
{
    control->setParent(m_content);
    control->setGeometry(x, y, width, height);
}

bool FormBase::isLandscape() const
{
    return width() > height();
}

void FormBase::orientationChanged(bool) {}

void FormBase::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const bool landscape = isLandscape();
    if (landscape != m_landscape) {
        m_landscape = landscape;
        orientationChanged(landscape);
    }
}

void FormBase::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        const auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
        if (!focusedButton || !focusedButton->isVisible()) {
            m_softKeys->pressKey(SoftKeyBar::Key::Right);
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void FormBase::reject()
{
    done(kResultCancel);
}

} // namespace tallyfox
