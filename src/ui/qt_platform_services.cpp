#include "ui/qt_platform_services.hpp"

#include "files/file_filters.hpp"

#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

namespace tolvin {

namespace {

// The index of the filter the dialog has selected among the request's filters, or -1.
std::int32_t selected_filter_index(const QFileDialog& dialog, const file_dialog_request& request) {
    // Qt gives the whole name filter, or with the details hidden (Qt 6.4) the
    // description alone as it shows it, spaces simplified.
    const QString selected = dialog.selectedNameFilter();
    const QStringList names = qt_name_filters(request.filter);
    qsizetype index = names.indexOf(selected);
    const std::vector<file_filter> filters = split_filter(request.filter);
    for (std::size_t i = 0; index < 0 && i < filters.size(); ++i) {
        if (filters[i].description.simplified() == selected.simplified())
            index = static_cast<qsizetype>(i);
    }
    return static_cast<std::int32_t>(index);
}

// Qt's own file dialog, taking the name in its name box whole. Qt reads double quotes
// there as marks around several names and would cut a name holding one at its
// quotes; these dialogs choose one file, so the box always holds one name.
class list_file_dialog final : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    // The file the user chose, once the dialog is accepted.
    QString chosen_file() const {
        if (!whole_name_.isEmpty())
            return whole_name_;
        const QStringList chosen = selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.first();
    }

    void accept() override {
        auto* box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = box != nullptr ? box->text() : QString();
        if (!typed.contains(u'"')) {
            whole_name_.clear();
            QFileDialog::accept();
            return;
        }
        const QString path = directory().absoluteFilePath(typed);
        const QFileInfo info(path);
        if (info.isDir()) {
            setDirectory(path);
            box->clear();
            return;
        }
        // The question Qt's dialog itself asks before an existing file is replaced.
        if (acceptMode() == AcceptSave && info.exists() && !testOption(DontConfirmOverwrite) &&
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        whole_name_ = path;
        QDialog::accept();
    }

  private:
    QString whole_name_;
};

QString run_file_dialog(QWidget* parent, const file_dialog_request& request, std::int32_t& filter_index,
                        QFileDialog::AcceptMode mode, QString& folder) {
    list_file_dialog dialog(parent);
    dialog.setAcceptMode(mode);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    prepare_file_dialog(dialog, request, filter_index);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.chosen_file();
    if (chosen.isEmpty())
        return QString();
    const std::int32_t selected = selected_filter_index(dialog, request);
    if (selected >= 0)
        filter_index = selected;
    folder = dialog.directory().absolutePath();
    return chosen;
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

const gio_library& qt_platform_services::gio() {
    if (!gio_)
        gio_ = std::make_unique<gio_library>();
    return *gio_;
}

void qt_platform_services::show_in_text_editor(const QString& path) {
    const QString reason = gio().launch_text_editor(path);
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
    if (!gio().launch_for_uri(address))
        QDesktopServices::openUrl(QUrl(address));
}

void qt_platform_services::run_modal(QDialog& window) {
    window.exec();
}

} // namespace tolvin
