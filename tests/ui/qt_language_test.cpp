// Qt's own texts follow the desktop's language while the program's own stay Japanese.
// ctest runs this program twice: with LANG=ja_JP.UTF-8 and EXPECTED_UI_LANGUAGE=ja,
// and with LANG=C and EXPECTED_UI_LANGUAGE=en.
#include "ui_fixture.hpp"

#include "ui/qt_translations.hpp"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

namespace {

bool japanese() {
    return qgetenv("EXPECTED_UI_LANGUAGE") == "ja";
}

// Each action's text without its mnemonic's shortcut column.
QStringList menu_texts(QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

} // namespace

class qt_language : public ui_fixture {
  protected:
    static void SetUpTestSuite() { installed = install_qt_translations(*QCoreApplication::instance()); }
    static inline bool installed = false;
};

TEST_F(qt_language, context_menu_and_message_box_buttons_follow_the_desktop) {
    EXPECT_EQ(installed, japanese());
    TOLVIN_fm& w = start();
    std::unique_ptr<QMenu> menu(w.Text7->createStandardContextMenu());
    const QStringList expected =
        japanese() ? QStringList{"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)",
                                 "貼り付け(&P)", "削除",         "すべてを選択"}
                   : QStringList{"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"};
    EXPECT_EQ(menu_texts(*menu), expected);

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(),
              japanese() ? QStringLiteral("キャンセル") : QStringLiteral("Cancel"));
}

TEST_F(qt_language, own_texts_stay_japanese) {
    TOLVIN_fm& w = start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TOLVIN ダウンロードリスト作成 編集 SOFT"));
    EXPECT_EQ(w.Command13->text(), QStringLiteral("検索してリストを作る"));
    EXPECT_EQ(w.Command5->toolTip(), QStringLiteral("文字の変更を実行します"));
}

TEST_F(qt_language, input_method_text_reaches_the_list_box_and_every_field) {
    TOLVIN_fm& w = start();
    const QString typed = QStringLiteral("日本語の入力");
    QList<QWidget*> fields{w.Text7, w.Text1, w.Text2, w.Text3,
                           w.Text4, w.Text5, w.Text6, w.Combo3->lineEdit()};
    for (QWidget* field : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_TRUE(field->testAttribute(Qt::WA_InputMethodEnabled));
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->clear();
        field->setFocus();
        QInputMethodEvent preedit(QStringLiteral("にほんご"), {});
        QCoreApplication::sendEvent(field, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QCoreApplication::sendEvent(field, &commit);
        const QString text = field == w.Text7 ? w.text7_box.text() : qobject_cast<QLineEdit*>(field)->text();
        EXPECT_EQ(text, typed);
    }
}

// A Japanese desktop names its fonts in Japanese; the captions must still find the
// proportional font they were laid out for, or the edit rows clip.
TEST_F(qt_language, captions_use_a_proportional_font_and_the_list_a_monospace_one) {
    TOLVIN_fm& w = start();
    const QFontMetrics caption(w.Label1->font());
    const QFontMetrics list(w.Text7->font());
    EXPECT_LT(caption.horizontalAdvance(QStringLiteral("iiii")),
              caption.horizontalAdvance(QStringLiteral("WWWW")))
        << QFontInfo(w.Label1->font()).family().toStdString();
    EXPECT_EQ(list.horizontalAdvance(QStringLiteral("iiii")), list.horizontalAdvance(QStringLiteral("WWWW")))
        << QFontInfo(w.Text7->font()).family().toStdString();
}
