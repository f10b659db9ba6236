// The demonstration: what "?" puts in, what ending it or closing the window puts
// back, and the URL row's step of its own.
#include "ui_fixture.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tolvin;

namespace {

QString demo_image(const QString& group, int n, const QString& extension) {
    return TOLVIN_fm::demo_base_address() + QStringLiteral("image/") + group +
           QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')) + extension;
}

// Every text the demonstration replaces, in the order of demo_backup.
QStringList user_texts(TOLVIN_fm& w) {
    return {w.Text1->text(),         w.Text2->text(),        w.Text3->text(),    w.Text4->text(),
            w.Text5->text(),         w.Text6->text(),        w.text7_box.text(), w.Combo1->currentText(),
            w.Combo2->currentText(), w.Combo3->currentText()};
}

void type_own_texts(TOLVIN_fm& w) {
    const QStringList own = {"eins", "zwei", "drei", "4", "5", "sechs"};
    QLineEdit* fields[] = {w.Text1, w.Text2, w.Text3, w.Text4, w.Text5, w.Text6};
    for (int i = 0; i < 6; ++i)
        fields[i]->setText(own[i]);
    w.text7_box.set_text(QStringLiteral("my list\r\nline 2"));
    w.Combo1->setCurrentText(QStringLiteral("先頭"));
    w.Combo2->setCurrentText(QStringLiteral("先頭"));
    w.Combo3->setEditText(QStringLiteral("png"));
}

} // namespace

using demonstration = ui_fixture;

TEST_F(demonstration, ending_it_puts_back_the_texts_from_before_its_first_showing) {
    for (const int showings : {1, 2}) {
        SCOPED_TRACE(showings);
        TOLVIN_fm& w = start();
        type_own_texts(w);
        const QStringList before = user_texts(w);
        for (int i = 0; i < showings; ++i) {
            QTest::mouseClick(w.Command10, Qt::LeftButton);
            EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::demo_list());
            EXPECT_TRUE(w.Command11->isVisible());
            EXPECT_TRUE(w.Text7->hasFocus());
            EXPECT_TRUE(shown_from_start(w));
            // Edits during the demonstration are dropped at its end.
            w.text7_box.set_text(QStringLiteral("edited"));
            w.Text1->setText(QStringLiteral("edited"));
            w.Combo1->setCurrentText(QStringLiteral("最後"));
        }
        QTest::mouseClick(w.Command11, Qt::LeftButton);
        EXPECT_EQ(user_texts(w), before);
        EXPECT_TRUE(shown_from_start(w));
        EXPECT_EQ(w.demo_flag, 0);
        EXPECT_FALSE(w.Command11->isVisible());
    }
}

TEST_F(demonstration, closing_the_window_during_it_saves_the_users_own_texts) {
    TOLVIN_fm& w = start();
    type_own_texts(w);
    QTest::mouseClick(w.Command10, Qt::LeftButton);
    w.close();
    EXPECT_EQ(w.text7_box.text(), QStringLiteral("my list\r\nline 2"));
    QSettings s(ini_path(), QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Startup"));
    EXPECT_EQ(s.value("bk_txt1").toString(), QStringLiteral("eins"));
    EXPECT_EQ(s.value("bk_txt5").toString(), QStringLiteral("5"));
    EXPECT_EQ(s.value("bk_txt6").toString(), QStringLiteral("sechs"));
    EXPECT_EQ(s.value("bk_cmb3").toString(), QStringLiteral("png"));
}

TEST_F(demonstration, the_url_step_comes_once_per_showing) {
    TOLVIN_fm& w = start();
    for (int showing = 0; showing < 2; ++showing) {
        SCOPED_TRACE(showing);
        QTest::mouseClick(w.Command10, Qt::LeftButton);
        EXPECT_EQ(w.demo_url_flag, 0);
        QTest::mouseClick(w.Command16, Qt::LeftButton);
        EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::url_demo_text());
        EXPECT_EQ(w.demo_url_flag, 1);
        QTest::mouseClick(w.Command16, Qt::LeftButton);
        EXPECT_EQ(w.result_window().windowTitle(), QStringLiteral("TOLVIN リスト (135)"));
        EXPECT_EQ(w.text7_box.text(), TOLVIN_fm::url_demo_text());
    }
}

// The examples work on the list: its 25 image addresses share the search text and
// the host part to replace, and the numbered list with the added text makes the
// first group again.
TEST_F(demonstration, search_list_up_lists_the_25_image_addresses_in_both_modes) {
    TOLVIN_fm& w = start();
    w.settings.comment_flag = 0;
    QTest::mouseClick(w.Command10, Qt::LeftButton);
    QString expected;
    for (int n = 0; n <= 17; ++n)
        expected += demo_image(QStringLiteral("image1_"), n, QStringLiteral(".jpg")) + QStringLiteral("\r\n");
    for (int n = 0; n <= 6; ++n)
        expected +=
            demo_image(QStringLiteral("image2a_"), n, QStringLiteral(".png")) + QStringLiteral("\r\n");
    for (const QString& mode : {QStringLiteral("A"), QStringLiteral("あ")}) {
        SCOPED_TRACE(mode.toStdString());
        if (w.Command15->text() != mode)
            QTest::mouseClick(w.Command15, Qt::LeftButton);
        QTest::mouseClick(w.Command13, Qt::LeftButton);
        EXPECT_EQ(w.result_window().text1_box.text(), expected);
        EXPECT_EQ(w.result_window().windowTitle(), QStringLiteral("TOLVIN リスト (25)"));
    }
}

TEST_F(demonstration, the_edit_rows_work_on_the_list) {
    TOLVIN_fm& w = start();
    QTest::mouseClick(w.Command10, Qt::LeftButton);
    QTest::mouseClick(w.Command5, Qt::LeftButton);
    QString replaced = TOLVIN_fm::demo_list();
    replaced.replace(QStringLiteral("http://www.example.com/"),
                     QStringLiteral("http://download.example.com/"));
    EXPECT_EQ(w.text7_box.text(), replaced);
    QTest::mouseClick(w.Command14, Qt::LeftButton);
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QTest::mouseClick(w.Command12, Qt::LeftButton); // on the numbered lines, still selected
    QString first_group = QStringLiteral("\r\n");
    for (int n = 0; n <= 17; ++n)
        first_group +=
            demo_image(QStringLiteral("image1_"), n, QStringLiteral(".jpg")) + QStringLiteral("\r\n");
    EXPECT_EQ(w.text7_box.text(), first_group);
}
