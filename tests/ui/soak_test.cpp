// The soak test: one main window driven through thousands of random user actions,
// with the window's invariants checked after each of them. Run it as
//   soak_tests [--seed=N] [--actions=N]
// Without a seed it picks one and prints it; a failure prints the seed, the action
// number and the last actions, so that the same run can be repeated.
#include "soak_inputs.hpp"
#include "ui_fixture.hpp"

#include "core/list_text.hpp"
#include "ui/list_fm.hpp"
#include "ui/option_fm.hpp"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <string>

using namespace tolvin;

namespace {

std::uint64_t soak_seed = 0;
int soak_actions = 10000;
constexpr std::size_t log_length = 25;

// The count the caption shows is the number of listed lines: the lines of the result
// without blank lines, the comment lines and the not-found texts.
int listed_lines(const QString& text) {
    if (text.endsWith(QStringLiteral("見つかりませんでした。\r\n\r\nTOLVIN.EXE Ver1.0\r\n")))
        return 0;
    static const QRegularExpression url_heading(QStringLiteral("^\\d+\\. .* 展開しました$"));
    int n = 0;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.isEmpty() || line == QLatin1String("=END=") ||
            line == QStringLiteral("検索文字を使ってリストアップしました") ||
            url_heading.match(line).hasMatch())
            continue;
        ++n;
    }
    return n;
}

bool has_lone_break(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return true;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return true;
    }
    return false;
}

} // namespace

class soak : public ui_fixture {
  protected:
    soak_random rnd{soak_seed};
    std::deque<std::string> recent;
    int action = 0;
    int file_number = 0;
    std::map<std::string, int> message_counts; // what the run reached, by message title

    void log(std::string what) {
        recent.push_back(std::to_string(action) + ": " + std::move(what));
        if (recent.size() > log_length)
            recent.pop_front();
    }

    // Stops the run with everything needed to repeat it.
    bool fail(const std::string& why) {
        std::string report = "soak failure after action " + std::to_string(action) + " of seed " +
                             std::to_string(soak_seed) + ": " + why + "\nlast actions:\n";
        for (const std::string& a : recent)
            report += "  " + a + "\n";
        ADD_FAILURE() << report << "repeat with: --seed=" << soak_seed << " --actions=" << action;
        return false;
    }

    bool check() {
        if (HasFailure())
            return fail("an unexpected window or dialog");
        if (fm->busy_flag != 0)
            return fail("busy_flag is " + std::to_string(fm->busy_flag));
        if (!services.dialog_answers.empty())
            return fail("a file dialog that should have been shown was not");
        const QString list = fm->text7_box.text();
        if (has_lone_break(list))
            return fail("a lone CR or LF in the list: " + printable(list, 200));
        // Whatever way a text came in, the list and every text undo may bring back fit.
        if (!fits_list_limit(static_cast<std::size_t>(list.size())))
            return fail("a list of " + std::to_string(list.size()) + " characters");
        for (std::int32_t slot = 0; slot < undo_ring::slot_count; ++slot)
            if (!fits_list_limit(fm->undo_history.text_length(slot)))
                return fail("undo slot " + std::to_string(slot) + " past the limit");
        if (fm->Command6->isEnabled() != fm->undo_history.can_undo() ||
            fm->Command7->isEnabled() != fm->undo_history.can_redo())
            return fail("the undo buttons disagree with the history");
        if (!fm->result_window_loaded())
            return true;
        list_fm& result = fm->result_window();
        const QString title = result.windowTitle();
        const QString text = result.text1_box.text();
        static const QRegularExpression counted(QStringLiteral("^TOLVIN リスト \\((\\d+)\\)$"));
        const QRegularExpressionMatch m = counted.match(title);
        if (!m.hasMatch()) {
            if (title != QStringLiteral("TOLVIN リスト") || !text.isEmpty())
                return fail("result window " + printable(title) + " over " + printable(text));
        } else if (m.captured(1).toInt() != listed_lines(text)) {
            return fail("caption " + printable(title) + " over " + std::to_string(listed_lines(text)) +
                        " listed lines: " + printable(text, 200));
        }
        return true;
    }

    // Clears what the fake services recorded, so that a long run keeps its memory.
    void forget_records() {
        for (const recorded_message& m : services.messages)
            ++message_counts[m.title.toStdString()];
        services.messages.clear();
        services.dialogs.clear();
        services.editor_files.clear();
        services.opened_urls.clear();
    }

    QString new_path(const char* extension) {
        return dir.filePath(QStringLiteral("f%1.%2").arg(++file_number % 40).arg(QLatin1String(extension)));
    }

    // The dialog answer the open and save buttons find when they ask.
    void answer_open_dialog() {
        const int way = rnd.below(10);
        QString path;
        std::string what;
        if (way == 0) {
            what = "cancel";
        } else if (way == 1) {
            path = dir.filePath(QStringLiteral("missing.txt"));
            what = "a missing file";
        } else if (way == 2) {
            path = dir.path();
            what = "a folder";
        } else {
            path = new_path("txt");
            what = rnd.write_file(path);
        }
        services.dialog_answers.push_back({path, rnd.below(6)});
        log("open dialog answers " + what);
    }

    void answer_save_dialog() {
        static const char* const extensions[] = {"txt", "lst", "html", "dat"};
        const int way = rnd.below(8);
        QString path;
        if (way == 1)
            path = dir.filePath(QStringLiteral("no folder/x.txt"));
        else if (way == 2)
            path = dir.path();
        else if (way > 2)
            path = new_path(rnd.one_of(extensions));
        services.dialog_answers.push_back({path, rnd.below(6)});
        log("save dialog answers " + printable(path.isEmpty() ? QStringLiteral("cancel") : path, 80));
    }

    std::vector<QPushButton*> enabled_buttons() const {
        std::vector<QPushButton*> enabled;
        for (QPushButton* b : fm->findChildren<QPushButton*>())
            if (b->window() == fm.get() && b->isEnabled() && b->isVisible())
                enabled.push_back(b);
        return enabled;
    }

    QPushButton* any_button(const std::vector<QPushButton*>& buttons) {
        return buttons[static_cast<std::size_t>(rnd.below(static_cast<int>(buttons.size())))];
    }

    // A click that waits in the event queue, as a second click does while a handler
    // runs: a handler that lets pending events run meets it, else it runs afterwards.
    // The file buttons are left out, their dialogs having no answer queued.
    void queue_click() {
        QPushButton* b = any_button(enabled_buttons());
        if (b == fm->Command3 || b == fm->Command4)
            return;
        log("queue a click on " + b->objectName().toStdString());
        const QPointF at = QPointF(b->rect().center());
        const QPointF global = QPointF(b->mapToGlobal(b->rect().center()));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                b, new QMouseEvent(type, at, global, Qt::LeftButton,
                                   type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                   Qt::NoModifier));
    }

    void click(QPushButton* button) {
        if (button == fm->Command3)
            answer_open_dialog();
        else if (button == fm->Command4)
            answer_save_dialog();
        if (rnd.chance(15))
            queue_click();
        // The open, save and find buttons have keys of their own.
        const bool keyed = button == fm->Command3 || button == fm->Command4 || button == fm->Command9;
        if (keyed && rnd.chance(30)) {
            // Keys reach the active window: the user comes back to the main window first.
            fm->activateWindow();
            settle();
        }
        if (keyed && QApplication::activeWindow() == fm.get() && rnd.chance(30)) {
            const QKeyCombination key = button == fm->Command3   ? Qt::CTRL | Qt::Key_O
                                        : button == fm->Command4 ? Qt::CTRL | Qt::Key_S
                                                                 : QKeyCombination(Qt::Key_F3);
            log("press the key of " + button->objectName().toStdString());
            QTest::keyClick(fm->Text7, key.key(), key.keyboardModifiers());
            return;
        }
        log("click " + button->objectName().toStdString());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Drags a written file or a text onto the list box and drops it there.
    void drop() {
        QMimeData data;
        if (rnd.chance(50)) {
            const QString path = new_path("txt");
            log("drop a file: " + rnd.write_file(path));
            data.setUrls({QUrl::fromLocalFile(path)});
        } else {
            const QString text = rnd.chance(20) ? rnd.text_of_length(65536 + rnd.below(5000)) : rnd.text(20);
            log("drop a text: " + printable(text));
            data.setText(text);
        }
        // Somewhere in the box's visible part, where a drag can end.
        const QSize shown = fm->Text7->viewport()->size();
        const QPoint at(rnd.below(std::max(1, shown.width())), rnd.below(std::max(1, shown.height())));
        const Qt::DropActions actions = rnd.chance(80) ? Qt::CopyAction | Qt::MoveAction : Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(fm->Text7->viewport(), &enter);
        QDropEvent dropped(QPointF(at), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(fm->Text7->viewport(), &dropped);
    }

    void click_any_button() { click(any_button(enabled_buttons())); }

    void type_keys() {
        QWidget* fields[] = {fm->Text7, fm->Text7, fm->Text7, fm->Text1, fm->Text2,
                             fm->Text3, fm->Text4, fm->Text5, fm->Text6, fm->Combo3->lineEdit()};
        QWidget* field = rnd.one_of(fields);
        field->setFocus();
        const QString typed = rnd.text(6);
        log("type " + printable(typed) + " into " + field->objectName().toStdString());
        for (QChar c : typed) {
            if (c == u'\r' || c == u'\n')
                QTest::keyClick(field, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Return,    Qt::Key_Z,      Qt::Key_Y,    Qt::Key_A,
                                       Qt::Key_X,         Qt::Key_C,      Qt::Key_V};
        static const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                     Qt::ControlModifier | Qt::ShiftModifier};
        for (int n = rnd.below(4); n > 0; --n) {
            const Qt::Key key = rnd.one_of(keys);
            const Qt::KeyboardModifiers mod = rnd.one_of(mods);
            log("key " + std::to_string(key) + " with modifiers " + std::to_string(mod.toInt()));
            QTest::keyClick(field, key, mod);
        }
    }

    void select() {
        const qsizetype length = fm->text7_box.length();
        const qsizetype start = rnd.below(static_cast<int>(length) + 2);
        const qsizetype count = rnd.chance(30) ? 0 : rnd.below(static_cast<int>(length) + 2);
        log("select " + std::to_string(count) + " from " + std::to_string(start));
        fm->Text7->setFocus();
        fm->text7_box.set_selection(start, count);
        fm->Text7_MouseUp();
    }

    void paste() {
        const qsizetype room =
            static_cast<qsizetype>(list_limit) - fm->text7_box.length() + fm->text7_box.sel_length();
        QString text;
        switch (rnd.below(5)) {
        case 0:
            text = rnd.text_of_length(std::max<qsizetype>(0, room + rnd.below(3) - 1));
            break;
        case 1:
            text = rnd.text_of_length(65536 + rnd.below(70000));
            break;
        case 2:
            text = rnd.url_template() + QStringLiteral("\r\n");
            break;
        default:
            text = rnd.text(40);
            break;
        }
        QGuiApplication::clipboard()->setText(text);
        const bool by_key = rnd.chance(30);
        log(std::string("paste ") + (by_key ? "with Ctrl+V " : "with the button ") + printable(text));
        if (by_key) {
            fm->Text7->setFocus();
            QTest::keyClick(fm->Text7, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::mouseClick(fm->Command19, Qt::LeftButton);
        }
        if (text.contains(u'[') && rnd.chance(50))
            click(rnd.chance(50) ? fm->Command16 : fm->Command13);
    }

    void fill_row_field() {
        QLineEdit* numbers[] = {fm->Text4, fm->Text5};
        QLineEdit* texts[] = {fm->Text1, fm->Text2, fm->Text3, fm->Text6};
        QLineEdit* field = rnd.chance(40) ? rnd.one_of(numbers) : rnd.one_of(texts);
        const QString value = (field == fm->Text4 || field == fm->Text5) ? rnd.number() : rnd.text(8);
        log("set " + field->objectName().toStdString() + " to " + printable(value));
        field->setText(value);
        if (rnd.chance(20)) {
            QComboBox* combo = rnd.chance(50) ? fm->Combo1 : fm->Combo2;
            combo->setCurrentIndex(rnd.below(2));
        }
        if (rnd.chance(20))
            fm->Combo3->setEditText(rnd.text(3));
    }

    void change_window() {
        list_fm* result = fm->result_window_loaded() ? &fm->result_window() : nullptr;
        switch (rnd.below(8)) {
        case 0: {
            const int w = rnd.below(1600), h = rnd.below(1200);
            log("resize to " + std::to_string(w) + "x" + std::to_string(h));
            fm->resize(w, h);
            break;
        }
        case 1:
            log("minimize");
            fm->showMinimized();
            break;
        case 2:
            log("maximize");
            fm->showMaximized();
            break;
        case 3:
            log("restore");
            fm->showNormal();
            fm->activateWindow();
            break;
        case 4:
            if (result) {
                log("close the result window");
                result->close();
            }
            break;
        case 5:
            if (result) {
                log("minimize the result window");
                result->showMinimized();
            }
            break;
        case 6:
            if (result) {
                log("click the result window's copy button");
                QTest::mouseClick(result->Command1, Qt::LeftButton);
            }
            break;
        default:
            if (result) {
                log("resize the result window");
                result->resize(rnd.below(900), rnd.below(700));
            }
            break;
        }
    }

    void change_options() {
        if (!fm->options_window()) {
            log("click Command18");
            QTest::mouseClick(fm->Command18, Qt::LeftButton);
            settle();
        }
        option_fm* o = fm->options_window();
        if (!o)
            return;
        QCheckBox* checks[] = {o->Check1, o->Check2, o->Check3};
        for (int n = rnd.below(3); n > 0; --n) {
            QCheckBox* c = rnd.one_of(checks);
            log("options: toggle " + c->objectName().toStdString());
            QTest::mouseClick(c, Qt::LeftButton);
        }
        if (rnd.chance(40)) {
            static const QString extensions[] = {QStringLiteral("txt"), QStringLiteral("lst"),
                                                 QStringLiteral(""), QStringLiteral("Dat"),
                                                 QStringLiteral("a;b|c")};
            const QString e = rnd.one_of(extensions);
            log("options: extension " + printable(e));
            o->Combo1->setEditText(e);
        }
        QPushButton* buttons[] = {o->Command1, o->Command1, o->Command2, o->Command3, o->Command21};
        QPushButton* b = rnd.one_of(buttons);
        log("options: click " + b->objectName().toStdString());
        QTest::mouseClick(b, Qt::LeftButton);
        if (rnd.chance(20) && fm->options_window()) {
            log("back to the main window");
            fm->activateWindow();
        }
    }

    void undo_redo_run() {
        const bool undo = rnd.chance(60);
        const int way = rnd.below(3);
        const int steps = 1 + rnd.below(way == 0 ? 120 : 10);
        log(std::string(undo ? "undo" : "redo") + " run of " + std::to_string(steps) +
            (way == 0   ? " by button"
             : way == 1 ? " by key"
                        : " by menu"));
        for (int i = 0; i < steps; ++i) {
            if (way == 0) {
                QPushButton* b = undo ? fm->Command6 : fm->Command7;
                if (!b->isEnabled())
                    break;
                QTest::mouseClick(b, Qt::LeftButton);
            } else if (way == 1) {
                QTest::keyClick(fm->Text7, undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            } else {
                std::unique_ptr<QMenu> menu(fm->list_context_menu());
                const QString name = undo ? QStringLiteral("edit-undo") : QStringLiteral("edit-redo");
                for (QAction* a : menu->actions())
                    if (a->objectName() == name && a->isEnabled())
                        a->trigger();
            }
        }
    }

    void one_action() {
        const int roll = rnd.below(100);
        if (roll < 25)
            click_any_button();
        else if (roll < 40)
            type_keys();
        else if (roll < 50)
            select();
        else if (roll < 60)
            paste();
        else if (roll < 68)
            fill_row_field();
        else if (roll < 73)
            change_window();
        else if (roll < 79)
            change_options();
        else if (roll < 83)
            click(fm->Command3);
        else if (roll < 85)
            drop();
        else if (roll < 88)
            click(fm->Command4);
        else if (roll < 95)
            undo_redo_run();
        else
            click(fm->Command11->isVisible() && rnd.chance(50) ? fm->Command11 : fm->Command10);
    }
};

TEST_F(soak, random_user_actions_keep_the_window_sound) {
    start();
    fm->activateWindow();
    services.modal_answer = [](QDialog& w) { w.accept(); };
    const auto begun = std::chrono::steady_clock::now();
    for (action = 1; action <= soak_actions; ++action) {
        one_action();
        settle();
        if (!check())
            return;
        forget_records();
    }
    fm->close();
    settle();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begun)
            .count() /
        1000.0;
    std::cout << "soak: " << soak_actions << " actions of seed " << soak_seed << " in " << seconds << " s\n";
    for (const auto& [title, count] : message_counts)
        std::cout << "  message \"" << title << "\": " << count << "\n";
}

namespace {

// The offscreen platform cannot raise a window and says so at every raise, thousands
// of times in a run; everything else Qt says is kept.
QtMessageHandler qt_handler = nullptr;
void quiet_raise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()"))
        qt_handler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qt_handler = qInstallMessageHandler(quiet_raise);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    soak_seed = std::random_device{}();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--seed=", 0) == 0)
            soak_seed = std::strtoull(arg.c_str() + 7, nullptr, 10);
        else if (arg.rfind("--actions=", 0) == 0)
            soak_actions = std::atoi(arg.c_str() + 10);
    }
    std::cout << "soak: seed " << soak_seed << ", " << soak_actions << " actions\n";
    return RUN_ALL_TESTS();
}
