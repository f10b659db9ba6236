#include "ui/window_roles.hpp"

#include "ui/list_fm.hpp"
#include "ui/tolvin_fm.hpp"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QChildEvent>
#include <QComboBox>
#include <QLineEdit>
#include <utility>

namespace tolvin {

namespace {

// A line between controls: nothing to read. Qt would name it by the frame around it.
class separator_access : public QAccessibleWidget {
  public:
    explicit separator_access(QWidget* line) : QAccessibleWidget(line, QAccessible::Separator) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

// Qt asks each factory for every class of an object, most derived first; the answers
// keep Qt's widget behaviour with another role.
QAccessibleInterface* window_role_factory(const QString& class_name, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (class_name == QLatin1String(TOLVIN_fm::staticMetaObject.className()) ||
        class_name == QLatin1String(list_fm::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // Only a frame that is nothing more: Qt's own frame classes have their own answers.
    if (class_name != QLatin1String("QFrame") || object->metaObject() != &QFrame::staticMetaObject)
        return nullptr;
    if (dynamic_cast<button_strip*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::ToolBar);
    const QFrame::Shape shape = static_cast<QFrame*>(widget)->frameShape();
    if (shape == QFrame::HLine || shape == QFrame::VLine)
        return new separator_access(widget);
    return nullptr;
}

} // namespace

void install_window_roles() {
    static const bool installed = [] {
        QAccessible::installFactory(window_role_factory);
        return true;
    }();
    (void)installed;
}

button_strip::button_strip(QWidget* parent, const char* name, const QString& accessible_name)
    : QFrame(parent) {
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(accessible_name);
}

namespace {

// Names a combo box's drop-down list once Qt makes it, which it does only when the list
// is first asked for: shown, or read by a screen reader. The list then goes into a new
// pop-up frame of the combo box.
class list_namer final : public QObject {
  public:
    list_namer(QComboBox* combo, QString name) : QObject(combo), name_(std::move(name)) {
        combo->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ChildAdded)
            return false;
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (watched == parent()) {
            // The pop-up frame, still being made; the list comes into it next.
            if (child->isWidgetType() && static_cast<QWidget*>(child)->windowType() == Qt::Popup)
                child->installEventFilter(this);
        } else if (auto* list = qobject_cast<QAbstractItemView*>(child)) {
            list->setAccessibleName(name_);
            watched->removeEventFilter(this);
            parent()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    QString name_;
};

} // namespace

void name_combo_box(QComboBox* combo, const QString& name) {
    combo->setAccessibleName(name);
    if (QLineEdit* edit = combo->lineEdit())
        edit->setAccessibleName(name);
    const QString list_name = name + QStringLiteral("の一覧");
    if (auto* list = combo->findChild<QAbstractItemView*>())
        list->setAccessibleName(list_name);
    else
        new list_namer(combo, list_name);
}

} // namespace tolvin
