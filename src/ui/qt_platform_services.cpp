#include "ui/qt_platform_services.hpp"

#include "files/file_filters.hpp"

#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace tolvin {

namespace {

QString run_file_dialog(QWidget* parent, const file_dialog_request& request, std::int32_t& filter_index,
                        QFileDialog::AcceptMode mode, QString& folder) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    prepare_file_dialog(dialog, request, filter_index);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return QString();
    const qsizetype selected = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    if (selected >= 0)
        filter_index = static_cast<std::int32_t>(selected);
    folder = dialog.directory().absolutePath();
    return chosen.first();
}

// Starts the desktop's default application for plain text on the file, passing the
// file as one argument and no shell. Returns the reason when it cannot.
QString launch_text_editor(const QString& path) {
    GAppInfo* app = g_app_info_get_default_for_type("text/plain", FALSE);
    if (app == nullptr)
        return QStringLiteral("no application is set for text/plain");
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    GList files{file, nullptr, nullptr};
    GError* error = nullptr;
    QString reason;
    if (!g_app_info_launch(app, &files, nullptr, &error))
        reason = error != nullptr ? QString::fromUtf8(error->message) : QStringLiteral("launch failed");
    g_clear_error(&error);
    g_object_unref(file);
    g_object_unref(app);
    return reason;
}

} // namespace

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

void prepare_file_dialog(QFileDialog& dialog, const file_dialog_request& request, std::int32_t filter_index) {
    // Qt's own dialog: a desktop's native one would cut each description at its first
    // parenthesis. With the details hidden, Qt shows the text before the pattern list
    // it is given in parentheses, which is the description itself.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & overwrite_prompt) == 0);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList names = qt_name_filters(request.filter);
    dialog.setNameFilters(names);
    if (filter_index >= 0 && filter_index < names.size())
        dialog.selectNameFilter(names[filter_index]);
    if (!request.initial_name.isEmpty())
        dialog.selectFile(request.initial_name);
}

QString qt_platform_services::open_file_dialog(QWidget* parent, const file_dialog_request& request,
                                               std::int32_t& filter_index) {
    return run_file_dialog(parent, request, filter_index, QFileDialog::AcceptOpen, open_folder_);
}

QString qt_platform_services::save_file_dialog(QWidget* parent, const file_dialog_request& request,
                                               std::int32_t& filter_index) {
    return run_file_dialog(parent, request, filter_index, QFileDialog::AcceptSave, save_folder_);
}

void qt_platform_services::show_in_text_editor(const QString& path) {
    const QString reason = launch_text_editor(path);
    if (reason.isEmpty())
        return;
    // No editor for plain text: the desktop's own handler for the file, if any.
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    std::fprintf(stderr, "tolvin: cannot show %s in a text editor: %s\n", QFile::encodeName(path).constData(),
                 reason.toLocal8Bit().constData());
}

void qt_platform_services::open_url(QWidget*, const QString& address) {
    // The desktop's handler for the address's scheme, as GIO knows it; Qt's own way
    // goes through xdg-open, which a desktop need not have. The outcome is not reported.
    GError* error = nullptr;
    const bool opened = g_app_info_launch_default_for_uri(address.toUtf8().constData(), nullptr, &error);
    g_clear_error(&error);
    if (!opened)
        QDesktopServices::openUrl(QUrl(address));
}

void qt_platform_services::run_modal(QDialog& window) {
    window.exec();
}

} // namespace tolvin
