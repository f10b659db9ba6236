// Building the main window's controls at their design places, and laying them out
// when the window is resized.
#include "ui/tolvin_fm.hpp"

#include "ui/controls.hpp"
#include "ui/fonts.hpp"
#include "ui/icons.hpp"
#include "ui/list_fm.hpp"
#include "ui/twips.hpp"
#include "ui/window_roles.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <utility>

namespace tolvin {

namespace {

// The frame the window was designed for: its outer size less its client area.
constexpr int frame_w = 120;
constexpr int frame_h = 390;

// Field and row geometry of the edit rows, in twips.
constexpr int field_h = 315;
constexpr int run_left = 6030; // every "実行" button
constexpr int run_w = 570;

// The input fields keep whatever text they are given or were saved with; Qt's own
// default would cut a stored text at 32,767 characters.
constexpr int field_max_length = std::numeric_limits<int>::max();

QPushButton* image_button(QWidget* parent, const char* name, tool_picture picture, const QString& tip,
                          const QString& short_name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(tool_icon(picture));
    b->setToolTip(tip);
    b->setAccessibleName(short_name);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place_control(l, left, top, width, field_h);
    return l;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& tip, const QString& short_name, int left,
                 int top, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(field_max_length);
    bound_undo_history(e);
    e->setToolTip(tip);
    e->setAccessibleName(short_name);
    place_control(e, left, top, width, field_h);
    return e;
}

QComboBox* position_combo(QWidget* parent, const char* name, const QString& tip, const QString& short_name,
                          int left, int top) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems({QStringLiteral("最後"), QStringLiteral("先頭")});
    c->setToolTip(tip);
    name_combo_box(c, short_name);
    place_control(c, left, top, 900, field_h);
    return c;
}

QPushButton* run_button(QWidget* parent, const char* name, const QString& tip, int top) {
    QPushButton* b = text_button(parent, name, QStringLiteral("実行"), tip);
    place_control(b, run_left, top, run_w, field_h);
    return b;
}

} // namespace

void TOLVIN_fm::build_controls() {
    setObjectName(QStringLiteral("TOLVIN_fm"));
    setWindowTitle(QStringLiteral("TOLVIN ダウンロードリスト作成 編集 SOFT"));
    setWindowIcon(program_icon());
    setFont(ui_font());
    resize(to_px(7725), to_px(5460));

    // File strip.
    Picture2 = new button_strip(this, "Picture2", QStringLiteral("ファイル操作"));
    place_control(Picture2, 0, 0, 1275, 420);
    Command3 = image_button(Picture2, "Command3", tool_picture::open,
                            QStringLiteral("保存しておいたソースファイルを開きます"), QStringLiteral("開く"));
    Command4 = image_button(Picture2, "Command4", tool_picture::save,
                            QStringLiteral("作成したリストを保存します"), QStringLiteral("保存"));
    Command8 =
        image_button(Picture2, "Command8", tool_picture::view, QStringLiteral("ソースファイルを表示します"),
                     QStringLiteral("ソースファイルを表示"));
    place_control(Command3, 45, 30, 375, 360);
    place_control(Command4, 450, 30, 375, 360);
    place_control(Command8, 855, 30, 375, 360);
    Command8->setEnabled(false);

    // Search strip.
    Picture1 = new button_strip(this, "Picture1", QStringLiteral("検索操作"));
    place_control(Picture1, 1335, 0, 4695, 420);
    Command1 = text_button(Picture1, "Command1", QStringLiteral(">>"),
                           QStringLiteral("選択範囲の文字を検索文字にします"));
    Command1->setAccessibleName(QStringLiteral("選択範囲を検索文字に"));
    place_control(Command1, 30, 30, 375, 360);
    Combo3 = new QComboBox(Picture1);
    Combo3->setObjectName(QStringLiteral("Combo3"));
    make_typed_combo(Combo3);
    Combo3->lineEdit()->setMaxLength(field_max_length);
    Combo3->addItems({QStringLiteral("http://"), QStringLiteral("jpg"), QStringLiteral("gif"),
                      QStringLiteral("png"), QStringLiteral("htm"), QStringLiteral("txt")});
    Combo3->setEditText(QStringLiteral("http://"));
    Combo3->setToolTip(QStringLiteral("検索する文字を指定します (任意の文字も入力できます)"));
    name_combo_box(Combo3, QStringLiteral("検索する文字"));
    // No text stands next to the search box; a screen reader reads it by this label.
    auto* combo3_label = new QLabel(QStringLiteral("検索する文字"), Picture1);
    combo3_label->setObjectName(QStringLiteral("Combo3_label"));
    combo3_label->setBuddy(Combo3);
    combo3_label->hide();
    place_control(Combo3, 435, 45, 1455, 330);
    Command9 = image_button(Picture1, "Command9", tool_picture::find, QStringLiteral("文字を検索します"),
                            QStringLiteral("検索"));
    place_control(Command9, 1920, 30, 375, 360);
    Command13 = text_button(Picture1, "Command13", QStringLiteral("検索してリストを作る"),
                            QStringLiteral("検索文字のリストを作ることが出来ます"));
    place_control(Command13, 2325, 30, 1950, 360);
    Command15 = text_button(Picture1, "Command15", QStringLiteral("A"),
                            QStringLiteral("[A]で英数、[あ]で日本語、の リストを作ります"));
    place_control(Command15, 4305, 30, 360, 360);

    // Demonstration buttons on the window itself.
    Command10 =
        text_button(this, "Command10", QStringLiteral("?"), QStringLiteral("デモンストレーションを表示する"));
    Command10->setAccessibleName(QStringLiteral("デモを表示"));
    place_control(Command10, 7410, 60, 285, 285);
    Command11 = text_button(this, "Command11", QStringLiteral("デモを終了する"),
                            QStringLiteral("デモンストレーションを終了します"));
    place_control(Command11, 6000, 750, 1335, 270);
    Command11->setVisible(false);

    // The list editing frame.
    Frame6 = new QGroupBox(QStringLiteral("リストの編集"), this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    place_control(Frame6, 0, 420, 7725, 5040);
    Text7->setParent(Frame6);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setFont(list_font());
    Text7->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text7->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text7->setToolTip(QStringLiteral("右クリックで編集できます"));
    Text7->setAccessibleName(QStringLiteral("リスト"));
    place_control(Text7, 45, 180, 7620, 2475);

    Frame2 = new QGroupBox(
        QStringLiteral("4種類の自動編集ができます。（コピーと貼り付けをうまく使って編集してください）"),
        Frame6);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setAccessibleName(Frame2->title()); // else Qt names it by its frame's title
    place_control(Frame2, 45, 2700, 6705, 2295);
    build_edit_rows();

    Frame3 = new QGroupBox(QStringLiteral("やり直し"), Frame6);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setAccessibleName(Frame3->title());
    place_control(Frame3, 6780, 2700, 885, 2025);
    Command6 = image_button(Frame3, "Command6", tool_picture::undo, QStringLiteral("元に戻します"),
                            QStringLiteral("元に戻す"));
    Command7 = image_button(Frame3, "Command7", tool_picture::redo, QStringLiteral("やり直します"),
                            QStringLiteral("やり直す"));
    Command18 = image_button(Frame3, "Command18", tool_picture::options,
                             QStringLiteral("オプションの設定ができます"), QStringLiteral("オプション"));
    Command20 =
        image_button(Frame3, "Command20", tool_picture::cut,
                     QStringLiteral("選択範囲があればその部分を切り取ります"), QStringLiteral("切り取り"));
    Command17 = image_button(
        Frame3, "Command17", tool_picture::copy,
        QStringLiteral("選択範囲があればその部分をコピーします 選択範囲が無ければすべてをコピーします"),
        QStringLiteral("コピー"));
    Command19 = image_button(Frame3, "Command19", tool_picture::paste, QStringLiteral("貼り付け"),
                             QStringLiteral("貼り付け"));
    Command14 = image_button(Frame3, "Command14", tool_picture::clear,
                             QStringLiteral("リストの文字を全て削除します"), QStringLiteral("全て削除"));
    place_control(Command6, 90, 210, 330, 315);
    place_control(Command7, 480, 210, 330, 315);
    place_control(Command18, 480, 720, 330, 315);
    place_control(Command20, 90, 1230, 330, 315);
    place_control(Command17, 480, 1230, 330, 315);
    place_control(Command19, 90, 1620, 330, 315);
    place_control(Command14, 480, 1620, 330, 315);
    Command6->setEnabled(false);
    Command7->setEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5% early

    // The demonstration's end button lies over the list frame when it is shown.
    Command11->raise();
}

void TOLVIN_fm::build_edit_rows() {
    QWidget* f = Frame2;
    // 1. Replace.
    constexpr int row1 = 255;
    Label1 = label(f, "Label1", QStringLiteral("1. リストの文字"), 120, row1, 1170);
    Text1 = field(f, "Text1", QStringLiteral("変更したい文字をここで指定します"),
                  QStringLiteral("変更したい文字"), 1290, row1, 1650);
    Label2 = label(f, "Label2", QStringLiteral("を"), 2970, row1, 240);
    Text2 = field(f, "Text2",
                  QStringLiteral("変更後の文字を入力します ここに何も入力しなければ削除として機能します"),
                  QStringLiteral("変更後の文字"), 3225, row1, 1650);
    Label3 = label(f, "Label3", QStringLiteral("に 変更する"), 4905, row1, 1050);
    Command5 = run_button(f, "Command5", QStringLiteral("文字の変更を実行します"), row1);

    // 2. Numbered list, on two lines.
    constexpr int row2 = 600;
    constexpr int row2b = 930;
    Label4 = label(f, "Label4", QStringLiteral("2. 文字"), 120, row2, 780);
    Text3 = field(f, "Text3", QStringLiteral("各行に共通する文字を入力します"),
                  QStringLiteral("各行に共通する文字"), 900, row2, 2400);
    Label5 = label(f, "Label5", QStringLiteral("の"), 3330, row2, 240);
    Combo1 = position_combo(f, "Combo1", QStringLiteral("数字の出力位置を指定します"),
                            QStringLiteral("数字の出力位置"), 3585, row2);
    Label6 = label(f, "Label6", QStringLiteral("に"), 4515, row2, 240);
    Label8 = label(f, "Label8", QStringLiteral("数字"), 330, row2b, 480);
    Text4 = field(f, "Text4", QStringLiteral("最初の数字を入力します　(たとえば、[000]　など)"),
                  QStringLiteral("最初の数字"), 810, row2b, 900);
    Label9 = label(f, "Label9", QStringLiteral("～"), 1740, row2b, 240);
    Text5 = field(f, "Text5", QStringLiteral("最後の数字を入力します　(たとえば、[015] など)"),
                  QStringLiteral("最後の数字"), 1995, row2b, 900);
    Label10 = label(f, "Label10", QStringLiteral("を 付加して 番号付きリストを  作る"), 2925, row2b, 3060);
    Command2 = run_button(f, "Command2", QStringLiteral("番号付きリスト出力します"), row2b);

    // 3. Add text.
    constexpr int row3 = 1275;
    Label11 = label(f, "Label11", QStringLiteral("3. リストの"), 120, row3, 1020);
    Combo2 = position_combo(f, "Combo2", QStringLiteral("文字の追加位置を指定します"),
                            QStringLiteral("文字の追加位置"), 1140, row3);
    Label12 = label(f, "Label12", QStringLiteral("に 文字"), 2070, row3, 720);
    Text6 = field(f, "Text6", QStringLiteral("追加する文字を入力します"), QStringLiteral("追加する文字"),
                  2790, row3, 2100);
    Label13 = label(f, "Label13", QStringLiteral("を 追加する"), 4920, row3, 1050);
    Command12 = run_button(f, "Command12", QStringLiteral("指定の文字を追加します"), row3);

    // 4. URL range expansion: the format is long enough to take two lines.
    constexpr int row4 = 1620;
    Label7 = label(f, "Label7",
                   QStringLiteral("4. URLを展開する （書式= URL/ファイル名[ 数字-数字 ].拡張子+ファイル名）"),
                   120, row4, 5850);
    Label7->setWordWrap(true);
    place_control(Label7, 120, row4, 5850, 540);
    Label7->setToolTip(
        QStringLiteral("この機能は、少ない文字列の入力で効率よくリストを作成することができます！"
                       "詳しくは、デモや説明を参照して下さい"));
    Command16 = run_button(f, "Command16", QString(), row4 + 90);

    // A screen reader reads each control with the text before it in its row, and each
    // "実行" with the words that end its row, which tell the four apart.
    const std::pair<QLabel*, QWidget*> read_with[] = {
        {Label1, Text1},   {Label2, Text2},  {Label3, Command5},   {Label4, Text3},
        {Label5, Combo1},  {Label8, Text4},  {Label9, Text5},      {Label10, Command2},
        {Label11, Combo2}, {Label12, Text6}, {Label13, Command12}, {Label7, Command16}};
    for (const auto& [l, control] : read_with)
        l->setBuddy(control);
}

void TOLVIN_fm::move_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
    placing_flag = 1;
    const twips_size screen = screen_size_twips();
    set_outer_geometry(this, place_window(l, t, w, h, main_min_size, screen.width, screen.height));
    placing_flag = 0;
}

void TOLVIN_fm::Form_Resize() {
    if (window_state(this) == 0 && placing_flag == 0 && !restoring_.waiting()) {
        const twips_rect r = outer_geometry(this);
        move_window(r.left, r.top, r.width, r.height);
    }
    if (window_state(this) == 1) {
        set_window_state(&result_window(), 1);
        return;
    }
    const twips_size outer = design_outer_size(this, frame_w, frame_h);
    const int frame6_h = std::max(0, outer.height - 810);
    const int frame6_w = std::max(0, outer.width - 120);
    Frame6->resize(to_px(frame6_w), to_px(frame6_h));
    Frame2->move(Frame2->x(), to_px(frame6_h - 2340));
    Frame3->move(Frame3->x(), to_px(frame6_h - 2340));
    Text7->resize(to_px(std::max(0, frame6_w - 90)), to_px(std::max(0, frame6_h - 2565)));
    Command10->move(to_px(outer.width - 450), Command10->y());
    Command11->move(to_px(outer.width - 2085), Command11->y());
    list_fm& result = result_window();
    if (window_state(&result) == 1) {
        set_window_state(&result, 0);
        // The user brought back the main window: it stays the active one. Window
        // managers give a window that reappears the focus, and the user's typing
        // would go into the result list.
        if (result.isVisible())
            activateWindow();
    }
}

} // namespace tolvin
