#include "ui/option_fm.hpp"

#include "ui/controls.hpp"
#include "ui/fonts.hpp"
#include "ui/icons.hpp"
#include "ui/platform_services.hpp"
#include "ui/tolvin_fm.hpp"
#include "ui/twips.hpp"
#include "ui/window_roles.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>

namespace tolvin {

namespace {

// Width of the two check boxes directly in Frame1.
constexpr int check_width = 2760;

QCheckBox* check_box(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setToolTip(tip);
    return c;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

// A dialog rather than a tool window (_NET_WM_WINDOW_TYPE_UTILITY): window managers
// leave utility windows out when they hand the focus on, so once the empty-extension
// message closed, the focus went to the main window, whose activation closes this one.
option_fm::option_fm(TOLVIN_fm& owner, platform_services& services)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner), services_(services) {
    setObjectName(QStringLiteral("option_fm"));
    setWindowTitle(QStringLiteral("その他の設定"));
    setFont(ui_font());
    setFixedSize(to_px(2880), to_px(3180));
    build_controls();
    set_tab_order();
    connect(Command1, &QPushButton::clicked, this, &option_fm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &option_fm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &option_fm::Command3_Click);
    connect(Command21, &QPushButton::clicked, this, &option_fm::Command21_Click);
}

QString option_fm::home_page_address() {
    return QStringLiteral("https://tolvin.example.org/");
}

void option_fm::build_controls() {
    Frame1 = frame(this, "Frame1", QString());
    Frame1->setAccessibleName(QStringLiteral("設定")); // it has no caption to be read by
    place_control(Frame1, 0, -45, 2865, 2220);
    Command3 = text_button(Frame1, "Command3", QStringLiteral("標準設定"),
                           QStringLiteral("標準の設定に戻すことができます"));
    place_control(Command3, 1890, 150, 885, 285);

    Frame2 = frame(Frame1, "Frame2", QStringLiteral("保存時のファイル"));
    place_control(Frame2, 45, 375, 2775, 1155);
    Label2 = label(Frame2, "Label2", QStringLiteral("保存時の拡張子： *."));
    place_control(Label2, 120, 300, 1530, 255); // ends where Combo1 begins
    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    // A typed extension stays as typed: "TXT" must not turn into the item "txt", nor
    // "htm" into "html".
    make_typed_combo(Combo1);
    Combo1->addItems({QStringLiteral("txt"), QStringLiteral("lst"), QStringLiteral("html"),
                      QStringLiteral("htm"), QStringLiteral("cgi")});
    Combo1->setToolTip(
        QStringLiteral("保存時の、ファイル拡張子を 選択できます また、任意の拡張子を入力することもできます"));
    name_combo_box(Combo1, QStringLiteral("保存時の拡張子"));
    place_control(Combo1, 1650, 210, 1005, 300);
    Label2->setBuddy(Combo1);
    Line2 = new QFrame(Frame2);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    place_control(Line2, 90, 615, 2580, 30);
    Check2 = check_box(Frame2, "Check2", QStringLiteral("前回のファイル名を記憶する"),
                       QStringLiteral("前回、保存した時のファイル名を記憶します"));
    place_control(Check2, 120, 780, 2505, 240);

    Check1 = check_box(Frame1, "Check1", QStringLiteral("リスト作成時コメントを生成する"),
                       QStringLiteral("ここをチェックすると、リスト作成時コメントを生成できます"));
    // Two captions need a little more room than the design gave them in our fonts.
    place_control(Check1, 75, 1605, check_width, 225);
    Check3 = check_box(Frame1, "Check3", QStringLiteral("起動時、説明？を表示する"),
                       QStringLiteral("チェックするとアプリケーション起動時、簡単な説明を表示します"));
    place_control(Check3, 75, 1905, check_width, 225);

    Frame3 = frame(this, "Frame3", QStringLiteral("サポート(更新情報など)"));
    place_control(Frame3, 0, 2205, 2865, 555);
    Label1 = label(Frame3, "Label1", QStringLiteral("ホームページへのリンク"));
    place_control(Label1, 90, 225, 1950, 240);
    Command21 = text_button(Frame3, "Command21", QString(), QStringLiteral("ホームページへ リンクできます"));
    Command21->setAccessibleName(QStringLiteral("ホームページ"));
    Command21->setIcon(home_page_icon());
    Command21->setIconSize(QSize(to_px(540), to_px(270)));
    place_control(Command21, 2070, 135, 735, 360);
    Label1->setBuddy(Command21);

    Command1 =
        text_button(this, "Command1", QStringLiteral("OK"), QStringLiteral("現在の設定を有効にします"));
    place_control(Command1, 225, 2835, 1035, 285);
    Command2 = text_button(this, "Command2", QStringLiteral("キャンセル"), QStringLiteral("中止"));
    place_control(Command2, 1530, 2835, 1155, 285);
    // Return in the extension field confirms; on a focused button it presses that one.
    Command1->setDefault(true);
}

void option_fm::set_tab_order() {
    QWidget* const order[] = {Command2, Combo1, Check2, Check1, Check3, Command3, Command1, Command21};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Command2->setFocus();
}

void option_fm::Form_Load() {
    const settings_record& s = owner_.settings;
    Check2->setChecked(s.save_type_flag != 0);
    set_field_text(Combo1, s.save_type_str);
    Check1->setChecked(s.comment_flag == 1);
    Check3->setChecked(s.help_comment_flag == 1);
}

void option_fm::Command1_Click() {
    if (Combo1->currentText().isEmpty()) {
        services_.message_box(this, QStringLiteral("TOLVIN"),
                              QStringLiteral("保存時のファイル拡張子が入力されていません"),
                              message_icon::none);
        if (owner_.is_unloaded()) // the program ended while the message waited
            return;
        bring_forward();
        Combo1->setFocus();
        return;
    }
    settings_record& s = owner_.settings;
    s.save_type_flag = Check2->isChecked() ? 1 : 0;
    s.save_type_str = Combo1->currentText();
    if (s.save_type_str != s.bk_save_type_str) {
        // A new extension: the dialogs start on their first filter again, and the
        // name saved last (with the old extension) is no longer offered.
        owner_.open_filter_index = 0;
        owner_.save_filter_index = 0;
        s.file_name2.clear();
        s.bk_save_type_str = s.save_type_str;
    }
    s.comment_flag = Check1->isChecked() ? 1 : 0;
    s.help_comment_flag = Check3->isChecked() ? 1 : 0;
    accept();
}

void option_fm::bring_forward() {
    active_since_brought_forward_ = false;
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
    }
    show();
    activateWindow();
}

void option_fm::Command2_Click() {
    reject();
}

void option_fm::Command3_Click() {
    Check2->setChecked(true);
    Combo1->setEditText(QStringLiteral("txt"));
    Check1->setChecked(true);
    Check3->setChecked(false);
}

void option_fm::Command21_Click() {
    services_.open_url(this, home_page_address());
}

void option_fm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        active_since_brought_forward_ = true;
}

} // namespace tolvin
