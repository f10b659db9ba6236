#include "ui/qt_platform_services.hpp"

#include <QDialog>
#include <QMessageBox>

namespace tolvin {

void qt_platform_services::message_box(QWidget* parent, const QString& title, const QString& text,
                                       message_icon icon) {
    // Message texts break their lines with CR LF; a label shows a bare CR as a glyph.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon == message_icon::information ? QMessageBox::Information : QMessageBox::NoIcon, title,
                    shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void qt_platform_services::run_modal(QDialog& window) {
    window.exec();
}

} // namespace tolvin
