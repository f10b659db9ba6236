// The options window "その他の設定": where it opens, what it loads, what OK, Cancel,
// the standard values and the home-page button do, and the ways it closes unapplied.
#include "ui_fixture.hpp"

#include "ui/option_fm.hpp"
#include "ui/twips.hpp"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

using namespace tolvin;

namespace {

// The four values the window edits: save_type_flag, save_type_str, comment_flag,
// help_comment_flag.
using options = std::tuple<std::int32_t, QString, std::int32_t, std::int32_t>;

options options_of(const settings_record& s) {
    return {s.save_type_flag, s.save_type_str, s.comment_flag, s.help_comment_flag};
}

void type_extension(option_fm& o, const QString& text) {
    o.Combo1->setFocus();
    o.Combo1->lineEdit()->clear();
    QTest::keyClicks(o.Combo1->lineEdit(), text);
}

} // namespace

class options_window : public ui_fixture {
  protected:
    // Starts the main window over a store with every key valid, then presses the
    // options button.
    option_fm& open(std::map<QString, QString> changes = {}) {
        auto keys = valid_store();
        for (const auto& [k, v] : changes)
            keys[k] = v;
        write_store(keys);
        start();
        return press_options_button();
    }

    option_fm& press_options_button() {
        QTest::mouseClick(fm->Command18, Qt::LeftButton);
        settle();
        EXPECT_NE(fm->options_window(), nullptr);
        return *fm->options_window();
    }

    bool is_open() {
        settle();
        return fm->options_window() != nullptr;
    }
};

TEST_F(options_window, opens_beside_the_main_window_loaded_from_the_settings) {
    option_fm& o = open({{"save_type_flag", "5"},
                         {"save_type_str", "lst"},
                         {"comment_flag", "2"},
                         {"help_comment_flag", "1"}});
    EXPECT_EQ(o.windowTitle(), QStringLiteral("その他の設定"));
    // A dialog, not a tool window: window managers hand a dialog the focus back after its
    // message, a tool window they pass over (and the main window's activation closes it).
    EXPECT_EQ(o.windowType(), Qt::Dialog);
    EXPECT_FALSE(o.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(o.minimumSize(), QSize(to_px(2880), to_px(3180)));
    EXPECT_EQ(o.maximumSize(), o.minimumSize());
    // Nonzero ticks "remember the name"; only 1 ticks the other two.
    EXPECT_TRUE(o.Check2->isChecked());
    EXPECT_EQ(o.Combo1->currentText(), QStringLiteral("lst"));
    EXPECT_FALSE(o.Check1->isChecked());
    EXPECT_TRUE(o.Check3->isChecked());

    // Left edge of the main window + 4,620; its height (not its bottom) − 3,570.
    const twips_rect main = outer_geometry(fm.get());
    EXPECT_EQ(o.frameGeometry().topLeft(), QPoint(to_px(main.left + 4620), to_px(main.height - 3570)));

    // The focus starts on "キャンセル" and Tab runs through the controls in order.
    EXPECT_EQ(QApplication::activeWindow(), &o);
    EXPECT_EQ(o.focusWidget(), o.Command2);
    const QWidget* order[] = {o.Combo1,   o.Check2,   o.Check1,    o.Check3,
                              o.Command3, o.Command1, o.Command21, o.Command2};
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(o.focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(options_window, controls_carry_their_captions_uncut_tips_and_accessible_names) {
    option_fm& o = open();
    const struct {
        QWidget* control;
        QString caption;
        QString tip;
    } rows[] = {
        {o.Command3, "標準設定", "標準の設定に戻すことができます"},
        {o.Label2, "保存時の拡張子： *.", ""},
        {o.Combo1, "", "保存時の、ファイル拡張子を 選択できます また、任意の拡張子を入力することもできます"},
        {o.Check2, "前回のファイル名を記憶する", "前回、保存した時のファイル名を記憶します"},
        {o.Check1, "リスト作成時コメントを生成する",
         "ここをチェックすると、リスト作成時コメントを生成できます"},
        {o.Check3, "起動時、説明？を表示する",
         "チェックするとアプリケーション起動時、簡単な説明を表示します"},
        {o.Label1, "ホームページへのリンク", ""},
        {o.Command21, "", "ホームページへ リンクできます"},
        {o.Command1, "OK", "現在の設定を有効にします"},
        {o.Command2, "キャンセル", "中止"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control->objectName().toStdString());
        QString caption;
        auto* label = qobject_cast<QLabel*>(r.control);
        if (auto* b = qobject_cast<QAbstractButton*>(r.control))
            caption = b->text();
        else if (label)
            caption = label->text();
        EXPECT_EQ(caption, r.caption);
        EXPECT_EQ(r.control->toolTip(), r.tip);
        // Labels and check boxes draw their whole caption; buttons their text.
        if (label || qobject_cast<QCheckBox*>(r.control)) {
            EXPECT_LE(r.control->sizeHint().width(), r.control->width());
        } else if (!caption.isEmpty()) {
            EXPECT_LT(r.control->fontMetrics().horizontalAdvance(caption), r.control->width() - 8);
        }
        if (label)
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r.control);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty());
        EXPECT_EQ(a->text(QAccessible::Description), r.tip);
    }
    EXPECT_EQ(o.Frame2->title(), QStringLiteral("保存時のファイル"));
    EXPECT_EQ(o.Frame3->title(), QStringLiteral("サポート(更新情報など)"));
    EXPECT_FALSE(o.Command21->icon().isNull());
    // Label2 stands immediately left of the extension box and is not covered by it.
    EXPECT_EQ(o.Label2->geometry().right() + 1, o.Combo1->x());
}

// OK with a typed extension: the change test against the extension last put into
// effect, exact and case-sensitive.
struct extension_row {
    const char* name;
    bool defaults_at_start; // the store was unusable: nothing was put into effect yet
    const char* typed;
    bool changed;
};

class extension_change : public options_window, public ::testing::WithParamInterface<extension_row> {};

TEST_P(extension_change, ok_stores_the_extension_as_typed_and_resets_the_dialogs_only_on_a_change) {
    const extension_row& p = GetParam();
    if (p.defaults_at_start) {
        // A store without every key is unusable: the defaults, and the first start's greeting.
        write_store({{"first_flag", "1"}});
        services.modal_answer = [](QDialog& greeting) { greeting.accept(); };
        start();
    } else
        open();
    fm->settings.file_name2 = QStringLiteral("/lists/a.txt");
    fm->open_filter_index = 2;
    fm->save_filter_index = 3;
    option_fm& o = press_options_button();
    type_extension(o, QString::fromUtf8(p.typed));
    QTest::mouseClick(o.Command1, Qt::LeftButton);

    EXPECT_FALSE(is_open());
    EXPECT_TRUE(services.messages.empty());
    const QString typed = QString::fromUtf8(p.typed);
    EXPECT_EQ(fm->settings.save_type_str, typed);
    EXPECT_EQ(fm->settings.bk_save_type_str, typed);
    EXPECT_EQ(fm->settings.file_name2, p.changed ? QString() : QStringLiteral("/lists/a.txt"));
    EXPECT_EQ(fm->open_filter_index, p.changed ? 0 : 2);
    EXPECT_EQ(fm->save_filter_index, p.changed ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(rows, extension_change,
                         ::testing::Values(extension_row{"same", false, "txt", false},
                                           extension_row{"other_case", false, "TXT", true},
                                           extension_row{"prefix_of_another_item", false, "htm", true},
                                           extension_row{"first_ok_after_defaults", true, "txt", true},
                                           extension_row{"leading_dot", false, ".txt", true},
                                           extension_row{"own_extension", false, "dat", true},
                                           extension_row{"blank", false, " ", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(options_window, ok_sets_the_three_switches_from_the_boxes_and_return_confirms) {
    option_fm& o = open({{"save_type_flag", "1"}, {"comment_flag", "1"}, {"help_comment_flag", "0"}});
    o.Check2->click();
    o.Check1->click();
    o.Check3->click();
    o.Combo1->setFocus();
    QTest::keyClick(o.Combo1->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(is_open());
    EXPECT_EQ(options_of(fm->settings), (options{0, "txt", 0, 1}));
}

TEST_F(options_window, standard_values_fill_the_controls_and_take_effect_only_with_ok) {
    const std::map<QString, QString> mine = {
        {"save_type_flag", "0"}, {"save_type_str", "lst"}, {"comment_flag", "0"}, {"help_comment_flag", "1"}};
    option_fm& o = open(mine);
    const options before = options_of(fm->settings);
    QTest::mouseClick(o.Command3, Qt::LeftButton);
    EXPECT_TRUE(o.Check2->isChecked());
    EXPECT_EQ(o.Combo1->currentText(), QStringLiteral("txt"));
    EXPECT_TRUE(o.Check1->isChecked());
    EXPECT_FALSE(o.Check3->isChecked());
    QTest::mouseClick(o.Command2, Qt::LeftButton);
    EXPECT_FALSE(is_open());
    EXPECT_EQ(options_of(fm->settings), before);

    // The next opening shows the settings again, not what was left in the controls.
    option_fm& again = press_options_button();
    EXPECT_EQ(again.Combo1->currentText(), QStringLiteral("lst"));
    EXPECT_FALSE(again.Check2->isChecked());
    QTest::mouseClick(again.Command3, Qt::LeftButton);
    QTest::mouseClick(again.Command1, Qt::LeftButton);
    EXPECT_FALSE(is_open());
    EXPECT_EQ(options_of(fm->settings), (options{1, "txt", 1, 0}));
}

TEST_F(options_window, an_empty_extension_is_refused_and_a_following_cancel_applies_nothing) {
    option_fm& o = open();
    const options before = options_of(fm->settings);
    fm->settings.file_name2 = QStringLiteral("/lists/a.txt");
    o.Check1->click();
    type_extension(o, QString());
    // A window manager may hand the focus to the main window when the message closes,
    // before the options window takes it back.
    fm->activateWindow();
    QTest::mouseClick(o.Command1, Qt::LeftButton);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, QStringLiteral("TOLVIN"));
    EXPECT_EQ(services.messages[0].text, QStringLiteral("保存時のファイル拡張子が入力されていません"));
    EXPECT_EQ(services.messages[0].icon, message_icon::none);
    EXPECT_TRUE(is_open());
    EXPECT_EQ(QApplication::activeWindow(), &o);
    EXPECT_TRUE(o.Combo1->hasFocus());
    EXPECT_EQ(options_of(fm->settings), before);

    QTest::mouseClick(o.Command2, Qt::LeftButton);
    EXPECT_FALSE(is_open());
    EXPECT_EQ(options_of(fm->settings), before);
    EXPECT_EQ(fm->settings.file_name2, QStringLiteral("/lists/a.txt"));
}

TEST_F(options_window, going_back_to_the_main_window_or_closing_applies_nothing) {
    enum class way { main_window_activated, close_box, escape };
    for (way w : {way::main_window_activated, way::close_box, way::escape}) {
        SCOPED_TRACE(static_cast<int>(w));
        option_fm& o = open();
        const options before = options_of(fm->settings);
        o.Check1->click();
        type_extension(o, QStringLiteral("dat"));
        ASSERT_EQ(QApplication::activeWindow(), &o);
        if (w == way::main_window_activated)
            fm->activateWindow();
        else if (w == way::close_box)
            o.close();
        else
            QTest::keyClick(&o, Qt::Key_Escape);
        EXPECT_FALSE(is_open());
        EXPECT_EQ(options_of(fm->settings), before);
    }
}

TEST_F(options_window, an_activation_the_press_itself_asked_for_leaves_the_new_window_open) {
    // Without a window manager a press on the inactive main window asks for its
    // activation, which arrives only after the button has opened the options window.
    write_store(valid_store());
    start();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    settle();
    fm->activateWindow();
    QTest::mouseClick(fm->Command18, Qt::LeftButton);
    EXPECT_TRUE(is_open());
    EXPECT_EQ(QApplication::activeWindow(), fm->options_window());
    fm->activateWindow();
    EXPECT_FALSE(is_open());
}

TEST_F(options_window, a_second_press_brings_the_same_window_forward_loaded_afresh) {
    option_fm& o = open();
    type_extension(o, QStringLiteral("dat"));
    o.Check3->click();
    fm->Command18_Click();
    settle();
    EXPECT_EQ(fm->options_window(), &o);
    EXPECT_EQ(o.Combo1->currentText(), QStringLiteral("txt"));
    EXPECT_FALSE(o.Check3->isChecked());
    EXPECT_EQ(o.focusWidget(), o.Command2);
}

TEST_F(options_window, the_home_page_button_asks_the_desktop_to_open_the_page) {
    option_fm& o = open();
    QTest::mouseClick(o.Command21, Qt::LeftButton);
    EXPECT_EQ(services.opened_urls, std::vector<QString>{option_fm::home_page_address()});
    EXPECT_TRUE(option_fm::home_page_address().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(is_open());
}
