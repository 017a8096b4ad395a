#include "toolkit/programstyle.h"

#include "toolkit/programfont.h"

#include <QApplication>
#include <QStyleOptionMenuItem>

namespace tallyfox {

ProgramStyle::ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                     const QWidget* widget) const
{
    QSize wanted = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* menuItem = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const bool separator = menuItem && menuItem->menuItemType == QStyleOptionMenuItem::Separator;
    if ((type == CT_MenuItem && !separator) || type == CT_PushButton)
        wanted.setHeight(std::max(wanted.height(), kTouchHeight));
    return wanted;
}

void ProgramStyle::install()
{
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(programfont::font());
}

} // namespace tallyfox
