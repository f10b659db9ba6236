// The main window's life: start-up, activation, the start-up timer and closing.
#include "ui/tolvin_fm.hpp"

#include "settings/settings_store.hpp"
#include "ui/controls.hpp"
#include "ui/list_fm.hpp"
#include "ui/option_fm.hpp"
#include "ui/platform_services.hpp"
#include "ui/twips.hpp"
#include "ui/verjo.hpp"
#include "ui/window_roles.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace tolvin {

TOLVIN_fm::TOLVIN_fm(platform_services& services, QSettings& store)
    : Text7(new list_edit), text7_box(Text7), services_(services), store_(store), restoring_([this] {
          if (!unloaded_ && window_state(this) == 0)
              Form_Resize();
      }) {
    install_window_roles();
    build_controls();
    connect_handlers();
    connect_keys();
}

TOLVIN_fm::~TOLVIN_fm() {
    if (result_window_)
        delete result_window_.data();
}

void TOLVIN_fm::connect_handlers() {
    connect(Command1, &QPushButton::clicked, this, &TOLVIN_fm::Command1_Click);
    connect(Command9, &QPushButton::clicked, this, &TOLVIN_fm::Command9_Click);
    connect(Command13, &QPushButton::clicked, this, &TOLVIN_fm::Command13_Click);
    connect(Command2, &QPushButton::clicked, this, &TOLVIN_fm::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &TOLVIN_fm::Command5_Click);
    connect(Command12, &QPushButton::clicked, this, &TOLVIN_fm::Command12_Click);
    connect(Command3, &QPushButton::clicked, this, &TOLVIN_fm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &TOLVIN_fm::Command4_Click);
    connect(Command8, &QPushButton::clicked, this, &TOLVIN_fm::Command8_Click);
    connect(Command10, &QPushButton::clicked, this, &TOLVIN_fm::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, &TOLVIN_fm::Command11_Click);
    connect(Command14, &QPushButton::clicked, this, &TOLVIN_fm::Command14_Click);
    connect(Command15, &QPushButton::clicked, this, &TOLVIN_fm::Command15_Click);
    connect(Command16, &QPushButton::clicked, this, &TOLVIN_fm::Command16_Click);
    connect(Command17, &QPushButton::clicked, this, &TOLVIN_fm::Command17_Click);
    connect(Command18, &QPushButton::clicked, this, &TOLVIN_fm::Command18_Click);
    connect(Command19, &QPushButton::clicked, this, &TOLVIN_fm::Command19_Click);
    connect(Command20, &QPushButton::clicked, this, &TOLVIN_fm::Command20_Click);
    connect(Timer1, &QTimer::timeout, this, &TOLVIN_fm::Timer1_Timer);
    connect(Text7, &QPlainTextEdit::textChanged, this, &TOLVIN_fm::Text7_Change);
    Text7->on_refused = [this](box_refusal why, list_edit::entry way) { Text7_Refused(why, way); };
    connect_undo_handlers();
    Text7->installEventFilter(this);
    Text7->viewport()->installEventFilter(this);
}

QString TOLVIN_fm::help_text() {
    return QStringLiteral(
        "\r\n"
        "1. 右上の[？]ボタンで デモを表示できます！\r\n"
        "\r\n"
        "2. また、右下の[工具の印]ボタンで 保存時のファイル拡張子を指定できます！\r\n"
        "\r\n"
        "(これらの文字を表示しないようにするには、右下の[工具の印]ボタンを押して設定してください。)");
}

void TOLVIN_fm::Form_Load() {
    crlf = QStringLiteral("\r\n");
    load_settings(store_, settings);
    move_window(settings.main_left, settings.main_top, settings.main_width, settings.main_height);
    set_window_state(this, settings.main_windowstate);
    Combo1->setCurrentText(QStringLiteral("最後"));
    Combo2->setCurrentText(QStringLiteral("最後"));
    set_field_text(Combo3, settings.bk_cmb3);
    set_field_text(Text1, settings.bk_txt1);
    set_field_text(Text2, settings.bk_txt2);
    set_field_text(Text3, settings.bk_txt3);
    set_field_text(Text4, settings.bk_txt4);
    set_field_text(Text5, settings.bk_txt5);
    set_field_text(Text6, settings.bk_txt6);
    Command16->setToolTip(Label7->toolTip());
    show();
    settle_outer_geometry(this);
    // Given once the list box has its size: laid out once, at its width.
    if (settings.first_flag != 0 && settings.help_comment_flag == 1)
        text7_box.set_text(help_text());
    auto* about = new verjo(settings, this);
    about_window_ = about;
    about->Form_Load();
    if (settings.first_flag != 0) {
        about->show();
        Timer1->start();
    } else {
        // The first start: the greeting waits for its "OK", then the demonstration.
        services_.run_modal(*about);
        if (unloaded_) // the program was ended while the greeting waited
            return;
        Command10_Click();
        settings.first_flag = 1;
    }
}

void TOLVIN_fm::Form_Activate() {
    // Back in the main window: an open options window closes without applying anything.
    if (options_window_ && options_window_->active_since_brought_forward())
        options_window_->close();
}

verjo* TOLVIN_fm::about_window() const {
    return about_window_.data();
}

void TOLVIN_fm::Timer1_Timer() {
    Timer1->stop();
    if (about_window_) // not when the user has closed the splash already
        about_window_->close();
}

void TOLVIN_fm::Command18_Click() {
    if (!options_window_) {
        options_window_ = new option_fm(*this, services_);
        connect(options_window_, &QDialog::finished, this, &TOLVIN_fm::drop_options_window);
    }
    option_fm& w = *options_window_;
    w.Form_Load();
    // Its top follows the main window's height only, not its top edge.
    const twips_rect main = outer_geometry(this);
    w.move(to_px(main.left + 4620), to_px(main.height - 3570));
    w.bring_forward();
    w.Command2->setFocus();
}

option_fm* TOLVIN_fm::options_window() const {
    return options_window_.data();
}

void TOLVIN_fm::drop_options_window() {
    if (!options_window_)
        return;
    options_window_->deleteLater();
    options_window_.clear();
}

void TOLVIN_fm::copy_field_texts_to_settings() {
    settings.bk_cmb3 = Combo3->currentText();
    settings.bk_txt1 = Text1->text();
    settings.bk_txt2 = Text2->text();
    settings.bk_txt3 = Text3->text();
    settings.bk_txt4 = Text4->text();
    settings.bk_txt5 = Text5->text();
    settings.bk_txt6 = Text6->text();
}

void TOLVIN_fm::save_to_store() {
    const std::int32_t state = window_state(this);
    settings.main_windowstate = state == 1 ? 0 : state;
    const twips_rect normal = normal_outer_geometry(this);
    set_window_state(this, 0);
    // Where the window cannot learn its position, the stored one stays as it was, for
    // the next session that can place it.
    if (windows_can_be_placed()) {
        settings.main_left = normal.left;
        settings.main_top = normal.top;
    }
    settings.main_width = normal.width;
    settings.main_height = normal.height;
    const QString failure = save_settings(store_, settings);
    if (!failure.isEmpty()) {
        services_.message_box(
            this, QStringLiteral("TOLVIN"),
            QStringLiteral("設定を保存できませんでした。\r\n%1\r\n%2").arg(store_.fileName(), failure),
            message_icon::none);
    }
}

void TOLVIN_fm::Form_QueryUnload() {
    unload_result_window();
    if (demo_flag == 1) // the user's own texts are the ones saved
        Command11_Click();
    copy_field_texts_to_settings();
    save_to_store();
}

void TOLVIN_fm::Form_Unload() {
    // Every other window goes with the main window; the application ends when its
    // last window has closed.
    unload_result_window();
    if (options_window_)
        options_window_->close();
    if (about_window_)
        about_window_->unload();
    unloaded_ = true;
}

void TOLVIN_fm::end_program() {
    if (unloaded_)
        return;
    // Windows that wait for an answer go unanswered, as cancelled: their event loops
    // end, and nothing they were asked for is done.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible() && w->isModal())
            w->hide();
    }
    close();
}

list_fm& TOLVIN_fm::result_window() {
    if (!result_window_) {
        auto* w = new list_fm(settings);
        result_window_ = w;
        connect(w, &list_fm::unloaded, this, &TOLVIN_fm::drop_result_window);
        w->Form_Load();
    }
    return *result_window_;
}

list_fm& TOLVIN_fm::open_result_window() {
    list_fm& result = result_window();
    result.show();
    result.raise();
    if (window_state(&result) == 1)
        set_window_state(&result, 0);
    return result;
}

void TOLVIN_fm::show_generated_list(const QString& text) {
    if (set_result_text(text) != 0)
        return;
    list_fm& result = result_window();
    result.text1_box.set_selection(result.text1_box.length());
    result.activateWindow();
    result.Text1->setFocus();
    result.setWindowTitle(QStringLiteral("TOLVIN リスト (%1)").arg(settings.lw_url_su));
}

void TOLVIN_fm::unload_result_window() {
    if (result_window_)
        result_window_->close();
}

void TOLVIN_fm::drop_result_window() {
    if (!result_window_)
        return;
    result_window_->deleteLater();
    result_window_.clear();
}

void TOLVIN_fm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    settle_outer_geometry(this);
}

void TOLVIN_fm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    settle_outer_geometry(this);
}

void TOLVIN_fm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    settle_outer_geometry(this);
    if (!crlf.isEmpty() && !unloaded_) // laid out from Form_Load on
        Form_Resize();
}

void TOLVIN_fm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (unloaded_)
        return;
    if (event->type() == QEvent::WindowStateChange && !crlf.isEmpty()) {
        if (window_state(this) == 0)
            restoring_.restored();
        Form_Resize();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void TOLVIN_fm::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    Form_Unload();
}

bool TOLVIN_fm::eventFilter(QObject* watched, QEvent* event) {
    if (unloaded_)
        return QWidget::eventFilter(watched, event);
    if (watched == Text7 && Text7_HistoryEvent(event))
        return true;
    if (watched == Text7->viewport() && Text7_DropEvent(event))
        return true;
    if (event->type() == QEvent::KeyRelease && watched == Text7)
        Text7_KeyUp();
    else if (event->type() == QEvent::MouseButtonRelease && watched == Text7->viewport())
        Text7_MouseUp();
    return QWidget::eventFilter(watched, event);
}

} // namespace tolvin
