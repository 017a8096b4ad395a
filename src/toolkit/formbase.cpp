// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "toolkit/formbase.h"

#include "toolkit/formsizes.h"
#include "toolkit/screenfit.h"
#include "toolkit/softkeybar.h"
#include "toolkit/windowfit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tallyfox {

namespace {

// Space kept right of and below the lowest and rightmost control.
constexpr int kContentMargin = 6;

} // namespace

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
    const bool phone = windowfit::onPhone(this);
    if (phone)
        windowfit::fillScreen(*this);
    else
        fitDesktop();
    const int result = exec();
    if (!phone)
        keepDesktopSize();
    windowfit::returnFocus(parentWidget());
    return result == kResultOk ? kResultOk : kResultCancel;
}

void FormBase::closeWith(int result)
{
    done(result);
}

QSize FormBase::naturalSize() const
{
    const int keysHeight = m_softKeys->sizeHint().height();
    const QSize screen(kScreenWidth, kScreenHeight - keysHeight);
    QRect used;
    if (!m_fillsContent && !m_content->layout()) {
        for (const QWidget* child : m_content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isHidden())
                used |= child->geometry();
        }
    }
    const QSize content =
        used.isEmpty()
            ? screen
            : QSize(used.right() + 1 + kContentMargin, used.bottom() + 1 + kContentMargin).boundedTo(screen);
    return {content.width(), content.height() + keysHeight};
}

QString FormBase::sizeName() const
{
    QString name = objectName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

void FormBase::fitDesktop()
{
    const QSize natural = naturalSize();
    // The first time, unless the code that opens it gave it a size of its own (a layout of the other
    // orientation, say), the form takes the size it was given in an earlier run, else its natural size.
    // Afterwards it keeps the size it had when it closed.
    if (!m_fitted && size() == QSize(kScreenWidth, kScreenHeight)) {
        QSize wanted = natural;
        if (m_sizes) {
            if (const std::optional<QSize> kept = m_sizes->size(sizeName())) {
                const double scale = screenfit::scaleInEffect();
                wanted =
                    QSize(int(std::lround(kept->width() / scale)), int(std::lround(kept->height() / scale)));
            }
        }
        if (const QScreen* shownOn = screen())
            wanted = wanted.boundedTo(shownOn->availableGeometry().size());
        resize(wanted.expandedTo(natural));
    }
    m_fitted = true;
    // While it is shown it can be made larger, never so small that its controls are cut.
    setMinimumSize(natural.boundedTo(size()));
    m_openedSize = size();
}

void FormBase::keepDesktopSize()
{
    // Between showings the code that opens the form may size it as it likes.
    setMinimumSize(0, 0);
    if (!m_sizes || size() == m_openedSize)
        return;
    const double scale = screenfit::scaleInEffect();
    m_sizes->remember(sizeName(),
                      QSize(int(std::lround(width() * scale)), int(std::lround(height() * scale))));
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
