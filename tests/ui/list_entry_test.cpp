// Every way the user brings text into the list box keeps the list within 65,535
// characters and refuses what the box cannot hold, changing nothing.
#include "ui_fixture.hpp"

#include "core/list_text.hpp"
#include "files/u16_text.hpp"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

using namespace tolvin;

namespace {

enum class way { type, ctrl_v, menu_paste, drop, input_method };

void bring_in(TOLVIN_fm& w, way by, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QInputMethodEvent composing(QStringLiteral("か"), {}), committed;
    committed.setCommitString(text);
    if (by == way::type && text == QLatin1String("\n"))
        QTest::keyClick(w.Text7, Qt::Key_Return);
    else if (by == way::type)
        QTest::keyClicks(w.Text7, text);
    else if (by == way::ctrl_v)
        QTest::keyClick(w.Text7, Qt::Key_V, Qt::ControlModifier);
    else if (by == way::menu_paste)
        std::unique_ptr<QMenu>(w.list_context_menu())
            ->findChild<QAction*>(QStringLiteral("edit-paste"))
            ->trigger();
    else if (by == way::drop)
        for (QEvent* e : {static_cast<QEvent*>(&enter), static_cast<QEvent*>(&dropped)})
            QCoreApplication::sendEvent(w.Text7->viewport(), e);
    else
        for (QInputMethodEvent* e : {&composing, &committed})
            QCoreApplication::sendEvent(w.Text7, e);
}

} // namespace

using list_entry = ui_fixture;

TEST_F(list_entry, every_way_in_stays_within_the_limit_or_changes_nothing) {
    TOLVIN_fm& w = start();
    const QString limit = qstring_from_u16(limit_message_text(0)); // in its "編集" wording
    const QString marker = qstring_from_u16(marker_message_text);
    struct row {
        way by;
        qsizetype list_length; // of x, the first `selected` of them selected
        qsizetype selected;
        QString text;
        bool stored;
        QString message; // the message a refusal shows, if any
    };
    const row rows[] = {
        {way::type, 65534, 0, "b", true, {}},
        {way::type, 65535, 0, "b", false, {}},
        {way::type, 65535, 1, "b", true, {}},
        {way::type, 65534, 0, "\n", false, {}},
        {way::ctrl_v, 65531, 0, "1\n2", true, {}},
        {way::ctrl_v, 65532, 0, "1\n2", false, limit},
        {way::menu_paste, 65532, 1, "1\n2", true, {}},
        {way::menu_paste, 65532, 0, "1\n2", false, limit},
        {way::drop, 65531, 0, "1\r2", true, {}},
        {way::drop, 65532, 2, "1\r2", false, limit},
        {way::input_method, 65533, 0, "かな", true, {}},
        {way::input_method, 65534, 0, "かな", false, limit},
        {way::ctrl_v, 3, 0, "a\uFDD0", false, marker},
        {way::drop, 3, 0, "\uFDD1", false, marker},
        {way::input_method, 3, 0, "\uFDD0", false, marker},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(r.by) << " into " << r.list_length);
        services.messages.clear();
        w.text7_box.set_text(QString(r.list_length, QLatin1Char('x')));
        w.Text7->setFocus();
        w.text7_box.set_selection(0, r.selected);
        const std::int32_t newest = w.undo_history.undo_newest();
        bring_in(w, r.by, r.text);
        settle();
        EXPECT_EQ(w.text7_box.length(), r.stored ? list_limit : r.list_length);
        EXPECT_EQ(w.undo_history.undo_newest() != newest, r.stored);
        EXPECT_EQ(w.text7_box.sel_length(), r.stored ? 0 : r.selected);
        ASSERT_EQ(services.messages.size(), r.message.isEmpty() ? 0u : 1u);
        for (const recorded_message& m : services.messages)
            EXPECT_EQ(m.text, r.message);
    }
}

// A page source pasted by key used to go in whole; undo past a clear then met it, too
// long to show, and the list was lost for good.
TEST_F(list_entry, a_refused_paste_leaves_undo_nothing_it_cannot_show) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("keep"));
    bring_in(w, way::ctrl_v, QString(132000, QLatin1Char('p')));
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    QTest::mouseClick(w.Command6, Qt::LeftButton);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("keep"));
    EXPECT_EQ(services.messages.size(), 1u); // the paste's, none from undo
}

TEST_F(list_entry, a_drop_said_to_end_outside_the_visible_part_is_declined) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QString(40, u'x').append(QStringLiteral("\r\n")).repeated(50));
    const QString before = w.text7_box.text();
    QMimeData data;
    data.setText(QStringLiteral("dropped"));
    const QPointF below(5, w.Text7->viewport()->height() + 3);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QDropEvent dropped(below, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w.Text7->viewport(), &enter);
    QCoreApplication::sendEvent(w.Text7->viewport(), &dropped);
    EXPECT_FALSE(dropped.isAccepted());
    EXPECT_EQ(w.text7_box.text(), before);
}
