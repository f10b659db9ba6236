// The file-type filters of the open and save dialogs, built from the save extension,
// in the "description|patterns|description|patterns" form (patterns separated by ";").
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tolvin {

// The open dialog's filter: every list file type and the save extension, then all files.
QString open_filter(const QString& save_type_str);

// The save dialog's filter: the save extension alone first, then the other list file
// types, then all files.
QString save_filter(const QString& save_type_str);

struct file_filter {
    QString description;
    QStringList patterns;
};

// The description and pattern list of each pair of a filter string. A description
// without a pattern list after it is left out.
std::vector<file_filter> split_filter(const QString& filter);

// One Qt name filter per pair: "description (patterns)". Shown with the details
// hidden, the dialog displays the description exactly and filters by the patterns.
// Characters a Qt pattern list cannot hold match as "?", any one character; the
// pattern "*.*" matches every file, names without a dot too.
QStringList qt_name_filters(const QString& filter);

} // namespace tolvin
