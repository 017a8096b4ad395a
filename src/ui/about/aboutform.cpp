// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tallyfox developers

#include "ui/about/aboutform.h"

#include "toolkit/programfont.h"
#include "toolkit/softkeybar.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

namespace tallyfox {

namespace {

// A line "lineHeight pixels high", as the device counts a font's height; 0 keeps the form's.
QLabel* centredLabel(const QString& text, const char* objectName, int lineHeight = 0, bool bold = false)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    if (lineHeight > 0)
        label->setFont(programfont::forLineHeight(lineHeight, bold));
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : FormBase(QStringLiteral("Tallyfox"), parent)
{
    setObjectName(QStringLiteral("aboutForm"));

    // Each line keeps its place on the form unless the text above it needs the room: then it moves down
    // just enough, so that no line overlaps another whatever the face measures.
    int nextFree = 0;
    const auto placeLine = [this, &nextFree](QLabel* label, int x, int y, int width) {
        const int top = std::max(y, nextFree);
        const int height = label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
        place(label, x, top, width, height);
        nextFree = top + height + 2;
    };

    QLabel* title = centredLabel(QStringLiteral("Tallyfox " TALLYFOX_VERSION), "aboutTitle", 20, true);
    auto* shadow = new QGraphicsDropShadowEffect(title);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    shadow->setColor(Qt::gray);
    title->setGraphicsEffect(shadow);
    placeLine(title, 20, 8, 200);
    placeLine(centredLabel(tr("The Tallyfox developers"), "aboutAuthor"), 16, 40, 200);
    QLabel* invitation = centredLabel(
        tr("If you like this program, want to know more or buy me a beer, visit:"), "aboutInvitation", 14);
    invitation->setWordWrap(true);
    placeLine(invitation, 20, 88, 200);
    placeLine(centredLabel(QStringLiteral("tallyfox.example.org"), "aboutAddress", 14), 8, 120, 220);
    placeLine(centredLabel(tr("January 3rd, 2010"), "aboutDate"), 24, 168, 200);

    softKeys()->setCaption(SoftKeyBar::Key::Left, QStringLiteral(" "));
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, false);
    softKeys()->setCaption(SoftKeyBar::Key::Right, tr("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this] { closeWith(kResultOk); });
}

} // namespace tallyfox
