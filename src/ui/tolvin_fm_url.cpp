// URL range expansion from the URL row's "実行" button into the result list window.
#include "ui/tolvin_fm.hpp"

#include "files/u16_text.hpp"
#include "generators/url_range.hpp"
#include "ui/list_fm.hpp"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvin {

namespace {

const QString not_found_text = QStringLiteral("現在のリストから\r\n"
                                              "URL展開できる項目は見つかりませんでした。\r\n"
                                              "\r\n"
                                              "TOLVIN.EXE Ver1.0\r\n");

} // namespace

QString TOLVIN_fm::url_demo_text() {
    return QStringLiteral(
        "\r\n"
        "================ デモンストレーション ================\r\n"
        "\r\n"
        "これは、URLを展開する デモンストレーションです｡\r\n"
        "▼書式は、次の通りです。\r\n"
        "\r\n"
        "URL/ファイル名〔 数字 - 数字 〕.拡張子 + ファイル名\r\n"
        "\r\n"
        "この→ + ファイル名 ←の部分は、必要に応じて記入します。\r\n"
        "\r\n"
        "▼通常は、\r\n"
        "http://www.example.com/xyz/kurukuru[000-108].jpg\r\n"
        "\r\n"
        "▼展開ファイル以外に たとえば、welcome.jpg と いう先頭ファイルが、必要な場合 は、\r\n"
        "http://www.example.com/abc/welcome[000-024].jpg+welcome.jpg\r\n"
        "\r\n"
        "と　いった具合です。ここに、記入した展開用のアドレスは､2行ですが\r\n"
        "この2行から簡単に多くのリストを作り出すことができます｡\r\n"
        "\r\n"
        "もう一度\r\n"
        "4.URLを展開する [実行]ボタンを押してURL展開動作を確認してみてください。");
}

void TOLVIN_fm::Command16_Click() {
    if (demo_flag == 1 && demo_url_flag == 0) {
        // The first press in a demonstration shows how templates are written.
        text7_box.set_text(url_demo_text());
        demo_url_flag = 1;
        return;
    }
    list_fm& result = open_result_window();

    settings.lw_url_su = 0;
    Command16->setEnabled(false);
    setCursor(Qt::WaitCursor);
    // The busy text is painted at once; no other window event runs until the end.
    const QString shown = result.text1_box.text();
    result.text1_box.set_text(QStringLiteral("\r\n 作業中 . . ."));
    result.Text1->viewport()->repaint();

    const url_expansion expanded = expand_url(text7_box.text().toStdU16String(), settings.comment_flag);
    settings.lw_url_su += expanded.lines;

    // The list shown before comes back under the busy text: a result refused for its
    // length leaves it there, with the caption that counts it.
    result.text1_box.set_text(shown);
    unsetCursor();
    Command16->setEnabled(true);

    show_generated_list(expanded.text.empty() ? not_found_text : qstring_from_u16(expanded.text));
}

} // namespace tolvin
