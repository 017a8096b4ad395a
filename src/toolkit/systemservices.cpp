#include "toolkit/systemservices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>

namespace tallyfox {

void setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void showSoftInputPanel()
{
    QGuiApplication::inputMethod()->show();
}

void hideSoftInputPanel()
{
    QGuiApplication::inputMethod()->hide();
}

} // namespace tallyfox
