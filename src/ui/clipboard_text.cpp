#include "ui/clipboard_text.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QClipboard>
#include <QGuiApplication>

namespace tolvin {

void put_on_clipboard(const QString& list_text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QString text = list_text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    clipboard->setText(text);
}

QString take_from_clipboard() {
    const QString text = QGuiApplication::clipboard()->text();
    return qstring_from_u16(to_crlf(text.toStdU16String()));
}

} // namespace tolvin
