// The demonstration: "?" fills the list and every input field with worked examples
// that work on one another; "デモを終了する" (or closing the window) puts the user's
// own texts back.
#include "ui/tolvin_fm.hpp"

#include "ui/controls.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvin {

namespace {

// The example images' host is www.example.com: the replace row turns its first two
// labels into another host of the same reserved domain.
const QString demo_host_part = QStringLiteral("www.example");
const QString demo_other_host = QStringLiteral("download.example");
const QString demo_directory = QStringLiteral("tolvin");

QString numbered(const QString& prefix, int n, const QString& extension) {
    return prefix + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')) + extension;
}

} // namespace

QString TOLVIN_fm::demo_base_address() {
    return QStringLiteral("http://") + demo_host_part + QStringLiteral(".com/") + demo_directory +
           QStringLiteral("/");
}

QString TOLVIN_fm::demo_list() {
    const QString nl = QStringLiteral("\r\n");
    QString list =
        nl + QStringLiteral("================ デモンストレーション ================") + nl + nl +
        QStringLiteral("このリストは､デモンストレーションです｡") + nl + nl +
        QStringLiteral("あらかじめ､入力枠に適当に文字を設定してみました｡　(リストは、デモです。)") + nl +
        QStringLiteral("各ボタンを押し動作を確認することが出来ます｡ (ボタンを押して確認してみてください。)") +
        nl + nl;
    const QString base = demo_base_address();
    for (int n = 0; n <= 17; ++n)
        list += numbered(base + QStringLiteral("image/image1_"), n, QStringLiteral(".jpg")) + nl;
    list += nl;
    for (int n = 0; n <= 6; ++n)
        list += numbered(base + QStringLiteral("image/image2a_"), n, QStringLiteral(".png")) + nl;
    return list;
}

void TOLVIN_fm::Command10_Click() {
    // Shown again while it runs, it keeps the texts from before its first showing.
    if (demo_flag == 0) {
        demo_backup = {Text1->text(),         Text2->text(),        Text3->text(),    Text4->text(),
                       Text5->text(),         Text6->text(),        text7_box.text(), Combo1->currentText(),
                       Combo2->currentText(), Combo3->currentText()};
    }
    demo_flag = 1;
    text7_box.set_text(demo_list());
    set_field_text(Text1, demo_host_part);
    set_field_text(Text2, demo_other_host);
    set_field_text(Text3, demo_base_address() + QStringLiteral("image/image1_"));
    set_field_text(Text4, QStringLiteral("000"));
    set_field_text(Text5, QStringLiteral("17"));
    set_field_text(Text6, QStringLiteral(".jpg"));
    Combo1->setCurrentText(QStringLiteral("最後"));
    Combo2->setCurrentText(QStringLiteral("最後"));
    set_field_text(Combo3, demo_directory + QStringLiteral("/image/"));
    Command11->setVisible(true);
    demo_url_flag = 0;
    Text7->setFocus();
}

void TOLVIN_fm::Command11_Click() {
    Command11->setVisible(false);
    set_field_text(Text1, demo_backup[0]);
    set_field_text(Text2, demo_backup[1]);
    set_field_text(Text3, demo_backup[2]);
    set_field_text(Text4, demo_backup[3]);
    set_field_text(Text5, demo_backup[4]);
    set_field_text(Text6, demo_backup[5]);
    text7_box.set_text(demo_backup[6]);
    Combo1->setCurrentText(demo_backup[7]);
    Combo2->setCurrentText(demo_backup[8]);
    set_field_text(Combo3, demo_backup[9]);
    demo_flag = 0;
}

} // namespace tolvin
