#include "ui/aboutform.h"

#include "toolkit/softkeybar.h"
#include "toolkit/uiscale.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

namespace tallyfox {

namespace {

QLabel* centredLabel(const QString& text, const char* objectName, int fontHeight = 0, bool bold = false)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (fontHeight > 0 || bold) {
        QFont font = label->font();
        if (fontHeight > 0)
            font.setPixelSize(UiScale::px(fontHeight));
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : FormBase(QStringLiteral("Tallyfox"), parent)
{
    setObjectName(QStringLiteral("aboutForm"));
    const int line = fontMetrics().height() / std::max(1, UiScale::px(1)) + 4;

    QLabel* title = centredLabel(QStringLiteral("Tallyfox " TALLYFOX_VERSION), "aboutTitle", 20, true);
    auto* shadow = new QGraphicsDropShadowEffect(title);
    shadow->setOffset(UiScale::px(1), UiScale::px(1));
    shadow->setBlurRadius(0);
    shadow->setColor(Qt::gray);
    title->setGraphicsEffect(shadow);
    place(title, 20, 8, 200, 24);

    place(centredLabel(QStringLiteral("The Tallyfox developers"), "aboutAuthor"), 16, 40, 200, line);
    QLabel* invitation =
        centredLabel(QStringLiteral("If you like this program, want to know more or buy me a beer, visit:"),
                     "aboutInvitation", 14);
    invitation->setWordWrap(true);
    place(invitation, 20, 88, 200, 30);
    place(centredLabel(QStringLiteral("tallyfox.example.org"), "aboutAddress", 14), 8, 120, 220, line);
    place(centredLabel(QStringLiteral("January 3rd, 2010"), "aboutDate"), 24, 168, 200, line);

    softKeys()->setCaption(SoftKeyBar::Key::Left, QStringLiteral(" "));
    softKeys()->setKeyEnabled(SoftKeyBar::Key::Left, false);
    softKeys()->setCaption(SoftKeyBar::Key::Right, QStringLiteral("OK"));
    connect(softKeys(), &SoftKeyBar::keyPressed, this, [this] { closeWith(kResultOk); });
}

} // namespace tallyfox
