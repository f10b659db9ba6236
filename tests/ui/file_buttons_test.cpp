// The open, save and view buttons: the dialogs they show and what they remember, the
// list and title after an open or a save, a file too long for the list, and failures.
#include "ui_fixture.hpp"

#include "files/file_filters.hpp"
#include "ui/option_fm.hpp"
#include "ui/qt_platform_services.hpp"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

namespace {

const QString start_title = QStringLiteral("TOLVIN ダウンロードリスト作成 編集 SOFT");

class file_buttons : public ui_fixture {
  protected:
    QString file(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    void open(const QString& path, std::int32_t filter = 0) {
        services.dialog_answers.push_back({path, filter});
        QTest::mouseClick(fm->Command3, Qt::LeftButton);
    }
    void save(const QString& path, std::int32_t filter = 0) {
        services.dialog_answers.push_back({path, filter});
        QTest::mouseClick(fm->Command4, Qt::LeftButton);
    }
};

TEST_F(file_buttons, open_puts_the_file_into_the_list_and_remembers_name_and_filter) {
    TOLVIN_fm& w = start();
    const QString a = file("a list.txt", "a\nb");
    const QString b = file("b.lst", "\xef\xbb\xbf\xef\xbf\xbe"
                                    "c\r\n");
    open(a, 1);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + a);
    EXPECT_EQ(w.settings.file_name1, a);
    EXPECT_TRUE(w.Command8->isEnabled());
    EXPECT_EQ(w.open_filter_index, 1);
    EXPECT_EQ(w.busy_flag, 0);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);

    // The next open starts on the last file and filter; a text that starts with a
    // swapped byte-order mark goes into the list unchanged.
    open(b);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("\uFFFEc\r\n"));
    ASSERT_EQ(services.dialogs.size(), 2u);
    EXPECT_FALSE(services.dialogs[0].save);
    EXPECT_EQ(services.dialogs[0].request.filter, open_filter(QStringLiteral("txt")));
    EXPECT_EQ(services.dialogs[0].request.initial_name, QString());
    EXPECT_EQ(services.dialogs[0].request.flags, hide_read_only);
    EXPECT_EQ(services.dialogs[0].filter_index, 0);
    EXPECT_EQ(services.dialogs[1].request.initial_name, a);
    EXPECT_EQ(services.dialogs[1].filter_index, 1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(file_buttons, a_cancelled_or_failed_open_changes_nothing_but_the_name) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("kept"));
    open(QString(), 1);
    EXPECT_EQ(w.settings.file_name1, QString());
    EXPECT_EQ(w.open_filter_index, 0);
    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    open(missing);
    EXPECT_EQ(w.settings.file_name1, missing);
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("kept"));
    EXPECT_EQ(w.windowTitle(), start_title);
    EXPECT_FALSE(w.Command8->isEnabled());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(w.busy_flag, 0);
}

TEST_F(file_buttons, a_file_too_long_for_the_list_goes_to_the_text_editor) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("kept"));
    const QString big = file("big.txt", QByteArray(70000, 'x'));
    open(big);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_TRUE(services.messages[0].text.startsWith(QStringLiteral("編集可能文字数を超えてしまうため")));
    EXPECT_EQ(services.messages[1].title, QStringLiteral("メモ帳でファイルを開いてみます"));
    EXPECT_EQ(services.messages[1].text,
              QStringLiteral("メモ帳でファイルを表示してみます。\r\n\r\n確認してみてください。"));
    EXPECT_EQ(services.messages[1].icon, message_icon::none);
    EXPECT_EQ(services.editor_files, std::vector<QString>{big});
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("kept"));
    EXPECT_EQ(w.windowTitle(), start_title);
    EXPECT_TRUE(w.Command8->isEnabled());
}

TEST_F(file_buttons, save_writes_the_list_under_the_name_as_typed) {
    TOLVIN_fm& w = start();
    w.settings.save_type_flag = 1;
    w.settings.save_type_str = QStringLiteral("Dat");
    w.text7_box.set_text(QStringLiteral("あ\r\nb\r\n"));
    const QString first = dir.filePath(QStringLiteral("list"));
    const QString second = dir.filePath(QStringLiteral("second.dat"));
    save(first, 2);
    EXPECT_EQ(contents(first), QByteArray("\xe3\x81\x82\r\nb\r\n"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + first);
    EXPECT_EQ(w.settings.file_name2, first);
    EXPECT_EQ(w.save_filter_index, 2);
    save(second);
    w.settings.save_type_flag = 0;
    save(QString());

    ASSERT_EQ(services.dialogs.size(), 3u);
    EXPECT_TRUE(services.dialogs[0].save);
    EXPECT_EQ(services.dialogs[0].request.filter, save_filter(QStringLiteral("Dat")));
    EXPECT_EQ(services.dialogs[0].request.flags, overwrite_prompt);
    // The remembered name is offered only while the switch is on.
    EXPECT_EQ(services.dialogs[0].request.initial_name, QString());
    EXPECT_EQ(services.dialogs[1].request.initial_name, first);
    EXPECT_EQ(services.dialogs[1].filter_index, 2);
    EXPECT_EQ(services.dialogs[2].request.initial_name, QString());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + second);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(w.busy_flag, 0);
}

TEST_F(file_buttons, a_failed_save_says_so_and_keeps_the_name_and_title) {
    TOLVIN_fm& w = start();
    w.text7_box.set_text(QStringLiteral("list"));
    const QString good = dir.filePath(QStringLiteral("good.txt"));
    save(good);
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    save(folder);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, QStringLiteral("保存できませんでした"));
    EXPECT_TRUE(services.messages[0].text.startsWith(folder + QStringLiteral("\r\n\r\n")));
    EXPECT_GT(services.messages[0].text.size(), folder.size() + 4);
    EXPECT_EQ(w.settings.file_name2, good);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ") + good);
    EXPECT_EQ(contents(good), QByteArray("list"));
}

TEST_F(file_buttons, view_shows_the_opened_file_not_the_saved_one) {
    TOLVIN_fm& w = start();
    const QString opened = file("opened.txt", "x\r\n");
    open(opened);
    save(dir.filePath(QStringLiteral("saved.txt")));
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    EXPECT_EQ(services.editor_files, std::vector<QString>{opened});
    // A name that could not be read is offered again, but not shown.
    open(dir.filePath(QStringLiteral("missing.txt")));
    QTest::mouseClick(w.Command8, Qt::LeftButton);
    EXPECT_EQ(services.editor_files, (std::vector<QString>{opened, opened}));
}

TEST_F(file_buttons, open_and_save_are_refused_while_another_handler_runs) {
    TOLVIN_fm& w = start();
    w.busy_flag = 1;
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    QTest::mouseClick(w.Command4, Qt::LeftButton);
    EXPECT_TRUE(services.dialogs.empty());
    EXPECT_EQ(w.busy_flag, 1);
}

// Qt's own file dialogs in the main window, driven as a user drives them.
class qt_file_dialogs : public file_buttons {
  protected:
    qt_file_dialogs() { services.file_dialogs = &real; }

    // Presses the button and acts in the dialog from inside its event loop. A dialog
    // left open is cancelled; a question it asks fails the test.
    void in_dialog_of(QPushButton* button, const std::function<void(QFileDialog&)>& act) {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            QTimer::singleShot(200, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ADD_FAILURE() << box->text().toStdString();
                    box->reject();
                }
            });
            act(*d);
            if (d->isVisible())
                d->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static QComboBox& filters(QFileDialog& d) { return *d.findChild<QComboBox*>("fileTypeCombo"); }
    static QLineEdit& box(QFileDialog& d) { return *d.findChild<QLineEdit*>("fileNameEdit"); }
    // Pastes the name into the name box, unless it is null, and presses Enter there.
    static void accept(QFileDialog& d, const QString& name = QString()) {
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        box(d).setFocus();
        if (!name.isNull())
            box(d).setText(name);
        QTest::keyClick(&box(d), Qt::Key_Return);
    }
    std::pair<int, int> starting_filters() {
        std::pair<int, int> shown;
        in_dialog_of(fm->Command3, [&](QFileDialog& d) { shown.first = filters(d).currentIndex(); });
        in_dialog_of(fm->Command4, [&](QFileDialog& d) { shown.second = filters(d).currentIndex(); });
        return shown;
    }
    // Whether the dialog lists the name once it has read its folder.
    static bool lists(QFileDialog& d, const QString& name) {
        auto* view = d.findChild<QListView*>("listView");
        for (int tries = 0; tries < 200; ++tries, QTest::qWait(10)) {
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                if (view->model()->index(row, 0, view->rootIndex()).data() == name)
                    return true;
            }
        }
        return false;
    }

    qt_platform_services real;
};

TEST_F(qt_file_dialogs, keep_the_selected_filter_until_the_extension_changes) {
    TOLVIN_fm& w = start();
    const QString list = file("list.txt", "a\r\n");
    const QString saved = dir.filePath(QStringLiteral("saved.lst"));
    file("saved as typed", "b\r\n");
    w.settings.file_name1 = list;
    w.settings.file_name2 = saved;
    w.settings.save_type_flag = 1;
    for (auto [button, name] : {std::pair{w.Command3, list}, std::pair{w.Command4, saved}}) {
        in_dialog_of(button, [&](QFileDialog& d) {
            QTest::keyClick(&filters(d), Qt::Key_Down);
            // "すべてのファイル(*.*)" lists a name without a dot.
            EXPECT_TRUE(button != w.Command3 || lists(d, QStringLiteral("saved as typed")));
            accept(d, name);
        });
    }
    EXPECT_EQ(std::pair(w.settings.file_name1, w.settings.file_name2), std::pair(list, saved));
    EXPECT_EQ(starting_filters(), std::pair(1, 1));

    QTest::mouseClick(w.Command18, Qt::LeftButton);
    settle();
    ASSERT_NE(w.options_window(), nullptr);
    w.options_window()->Combo1->setCurrentText(QStringLiteral("lst"));
    QTest::mouseClick(w.options_window()->Command1, Qt::LeftButton);
    EXPECT_EQ(starting_filters(), std::pair(0, 0));
}

TEST_F(qt_file_dialogs, any_name_opens_is_offered_again_and_saves_whole) {
    TOLVIN_fm& w = start();
    w.settings.save_type_flag = 1;
    for (const char* name : {"quote ' and \" too.txt", "\"wrapped\"", "ends in quote\"", "-leading dash.txt",
                             "semi;colon $(touch x) %f.txt", "日本語 リスト.txt"}) {
        const QString path = file(name, name);
        const QString saved = path + QStringLiteral(" 2");
        QString offered;
        in_dialog_of(w.Command3, [&](QFileDialog& d) { accept(d, path); });
        w.text7_box.set_text(QString());
        in_dialog_of(w.Command3, [&](QFileDialog& d) {
            offered = box(d).text();
            accept(d);
        });
        in_dialog_of(w.Command4, [&](QFileDialog& d) { accept(d, saved); });
        EXPECT_EQ(offered, QString::fromUtf8(name));
        EXPECT_EQ(w.text7_box.text(), offered + QStringLiteral("\r\n"));
        EXPECT_EQ(std::pair(w.settings.file_name1, w.settings.file_name2), std::pair(path, saved));
        EXPECT_EQ(contents(saved), QByteArray(name) + "\r\n");
    }
}

TEST(qt_file_dialog, shows_each_description_exactly_and_starts_on_the_given_filter) {
    const struct {
        QString filter;
        std::int32_t flags;
        std::int32_t index;
    } rows[] = {{save_filter(QStringLiteral("txt")), overwrite_prompt, 1},
                {open_filter(QStringLiteral("Dat")), hide_read_only, 0},
                {QStringLiteral("a (b)|*.a b|c|*.c"), 0, 1}};
    for (const auto& row : rows) {
        QFileDialog dialog;
        prepare_file_dialog(dialog, {row.filter, QStringLiteral("name.txt"), row.flags}, row.index);
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(combo, nullptr);
        QStringList shown;
        QStringList descriptions;
        for (int i = 0; i < combo->count(); ++i)
            shown.push_back(combo->itemText(i));
        for (const file_filter& f : split_filter(row.filter))
            descriptions.push_back(f.description);
        EXPECT_EQ(shown, descriptions);
        EXPECT_EQ(combo->currentIndex(), row.index);
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), row.flags != overwrite_prompt);
    }
}

} // namespace
