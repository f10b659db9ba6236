// Dragging onto the list box: a file opens as the open button opens it; a text is
// left to the box, which inserts it where it is dropped, its line breaks made CR LF.
#include "ui/tolvin_fm.hpp"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>

namespace tolvin {

namespace {

// The first local file among the dragged addresses; empty when there is none, so that
// a web address dragged from a browser goes into the list as text.
QString dragged_file(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

bool TOLVIN_fm::Text7_DropEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event); // the drag events derive from it
    const QString path = dragged_file(drop->mimeData());
    if (path.isEmpty())
        return false;
    // The file is only read: a drop that would move it away from its place (and so
    // have the source delete it) is refused.
    if (!(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Opened once the drop has returned, so that the program the file came from is
        // not kept waiting on the reading or on a message about the file.
        QTimer::singleShot(0, this, [this, path] {
            if (!unloaded_)
                Text7_FileDrop(path);
        });
    }
    return true;
}

} // namespace tolvin
