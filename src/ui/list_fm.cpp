#include "ui/list_fm.hpp"

#include "ui/clipboard_text.hpp"
#include "ui/fonts.hpp"
#include "ui/icons.hpp"
#include "ui/twips.hpp"
#include "ui/window_roles.hpp"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tolvin {

namespace {
// The frame the window was designed for: its outer size less its client area.
constexpr int frame_w = 120;
constexpr int frame_h = 405;
constexpr int copy_button_width = 1605;
} // namespace

list_fm::list_fm(settings_record& settings)
    : Text1(new QPlainTextEdit(this)), Command1(new QPushButton(this)), text1_box(Text1), settings_(settings),
      restoring_([this] {
          if (window_state(this) == 0)
              Form_Resize();
      }) {
    install_window_roles();
    setObjectName(QStringLiteral("list_fm"));
    setWindowTitle(QStringLiteral("TOLVIN リスト"));
    setWindowIcon(program_icon());
    setFont(ui_font());
    resize(to_px(4740), to_px(3165));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(list_font());
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setToolTip(
        QStringLiteral("コピーボタンで全体をコピーしたり、範囲を選択してコピーボタンでコピーしたりできます"));
    Text1->setAccessibleName(QStringLiteral("リスト"));
    Text1->setTabChangesFocus(true); // Tab goes on to the copy button
    place_control(Text1, 0, 0, 4755, 3165);

    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setText(QStringLiteral("リストをコピーする"));
    Command1->setToolTip(QStringLiteral(
        "現在のリストをコピーします　コピーしたリストは、アプリケーションに貼り付けて使用できます"));
    place_control(Command1, 2790, 2550, copy_button_width, 255);
    Command1->raise();
    connect(Command1, &QPushButton::clicked, this, &list_fm::Command1_Click);
}

void list_fm::Form_Load() {
    move_window(settings_.lw_left, settings_.lw_top, settings_.lw_width, settings_.lw_height);
    set_window_state(this, settings_.lw_windowstate);
}

void list_fm::move_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h) {
    const twips_size screen = screen_size_twips();
    set_outer_geometry(this, place_window(l, t, w, h, list_min_size, screen.width, screen.height));
}

void list_fm::Form_Resize() {
    const std::int32_t state = window_state(this);
    if (state == 0 && !restoring_.waiting()) {
        const twips_rect r = outer_geometry(this);
        move_window(r.left, r.top, r.width, r.height);
    }
    if (state == 1)
        return;
    const twips_size outer = design_outer_size(this, frame_w, frame_h);
    place_control(Text1, 0, 0, outer.width - frame_w, outer.height - frame_h);
    place_control(Command1, outer.width - copy_button_width - 510, outer.height - 1020, copy_button_width,
                  255);
}

void list_fm::Form_QueryUnload() {
    settings_.lw_windowstate = window_state(this);
    const twips_rect normal = normal_outer_geometry(this);
    set_window_state(this, 0);
    if (windows_can_be_placed()) { // else the stored position stays, as in the main window
        settings_.lw_left = normal.left;
        settings_.lw_top = normal.top;
    }
    settings_.lw_width = normal.width;
    settings_.lw_height = normal.height;
}

void list_fm::Command1_Click() {
    const qsizetype length = text1_box.sel_length();
    put_on_clipboard(length < 1 ? text1_box.text() : text1_box.sel_text());
    Text1->setFocus();
}

void list_fm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    settle_outer_geometry(this);
}

void list_fm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    restoring_.geometry_changed();
    settle_outer_geometry(this);
}

void list_fm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    restoring_.geometry_changed();
    settle_outer_geometry(this);
    Form_Resize();
}

void list_fm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        if (window_state(this) == 0)
            restoring_.restored();
        Form_Resize();
    }
}

void list_fm::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    emit unloaded();
}

} // namespace tolvin
