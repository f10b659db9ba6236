#include "ui/verjo.hpp"

#include "ui/fonts.hpp"
#include "ui/icons.hpp"
#include "ui/twips.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace tolvin {

namespace {

const QColor background(192, 192, 255);

// The two faces' outer sizes, in twips. Without a title bar or a frame of the
// window manager's, the outer size is the window's own.
constexpr twips_size splash_size{3000, 1500};
constexpr twips_size greeting_size{3915, 2955};

QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    place_control(l, left, top, width, height);
    return l;
}

bool is_modifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

} // namespace

verjo::verjo(const settings_record& settings, QWidget* main_window)
    : QDialog(main_window, Qt::Dialog | Qt::FramelessWindowHint), settings_(settings),
      main_window_(main_window) {
    setObjectName(QStringLiteral("verjo"));
    // Not shown without a title bar; it names the window to the desktop's tools.
    setWindowTitle(QStringLiteral("TOLVIN のバージョン情報"));
    setWindowIcon(program_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui_font());
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(to_px(splash_size.width), to_px(splash_size.height));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("このウインドウを閉じる"));
    place_control(Command1, 1530, 2475, 795, 285);
    Command1->setVisible(false);

    Label1 = label(this, "Label1", 720, 225, 2205, 405);
    Label1->setFont(title_font());
    Label2 = label(this, "Label2", 135, 765, 2745, 225);
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = label(this, "Label3", 225, 1215, 2565, 285);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setText(QStringLiteral("(C) TOLVIN プロジェクト"));
    QPalette white = Label3->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label3->setPalette(white);
    Label5 = label(this, "Label5", 15, 15, 3810, 2850);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5->setWordWrap(true);
    Label5->setTextFormat(Qt::RichText);
    Label5->setVisible(false);
    Image2 = label(this, "Image2", 135, 135, 480, 480);
    Image2->setPixmap(program_icon().pixmap(QSize(to_px(480), to_px(480)), devicePixelRatioF()));
    Image2->setAccessibleName(QStringLiteral("TOLVIN のアイコン"));
    Command1->raise();

    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Label3), static_cast<QWidget*>(Image2)})
        w->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &verjo::Command1_Click);
}

QString verjo::version_line(std::int32_t major, std::int32_t minor, std::int32_t revision) {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2  Revision%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision);
}

QString verjo::first_run_message() {
    return QStringLiteral(
        "★ リスト作成 編集 SOFT  TOLVIN Ver1.00 をダウンロードいただき まことにありがとうございます。(^o^)/~"
        "\r\n\r\n"
        "・ボタンの動作などを確認いただくため デモンストレーションを　起動いたします。"
        "\r\n\r\n"
        "・このデモンストレーションは、ウィンドウの右上の [?] ボタンを押すことでいつでも見ることが出来ます。"
        "\r\n\r\n"
        "なお、次回から、このウインドウは、表示されませんが よろしくお願いいたします。");
}

void verjo::Form_Load() {
    Label1->setText(QStringLiteral("TOLVIN"));
    Label2->setText(version_line(TOLVIN_VERSION_MAJOR, TOLVIN_VERSION_MINOR, TOLVIN_VERSION_REVISION));
    twips_size own = splash_size;
    if (settings_.first_flag == 0) {
        // Lines about 12 pixels apart, as the window was designed for, keep the last line
        // clear of "OK"; the font's own spacing is wider. Spaces stay as they are.
        Label5->setText(QStringLiteral("<p style=\"line-height: 92%; white-space: pre-wrap\">%1</p>")
                            .arg(first_run_message().toHtmlEscaped().replace(QLatin1String("\r\n"),
                                                                             QLatin1String("<br>"))));
        Label5->setVisible(true);
        Label3->setVisible(false);
        Label2->setVisible(false);
        Label1->setVisible(false);
        Image2->setVisible(false);
        Command1->setVisible(true);
        own = greeting_size;
        setFixedSize(to_px(own.width), to_px(own.height));
    }
    // Centred on the main window, halves taken with integer division.
    const twips_rect main = outer_geometry(main_window_);
    move(to_px(main.left + main.width / 2 - own.width / 2),
         to_px(main.top + main.height / 2 - own.height / 2));
}

void verjo::close_now() {
    closing_ = true;
    close();
}

void verjo::Command1_Click() {
    close_now();
}

void verjo::unload() {
    close_now();
}

void verjo::closeEvent(QCloseEvent* event) {
    if (settings_.first_flag == 0 && !closing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void verjo::Label1_Click() {
    close_now();
}

void verjo::Label2_Click() {
    close_now();
}

void verjo::Label3_Click() {
    close_now();
}

// The greeting stays until its "OK"; the splash goes on any click or key.
void verjo::Form_Click() {
    if (settings_.first_flag != 0)
        close();
}

void verjo::Form_KeyPress() {
    if (settings_.first_flag != 0)
        close();
}

void verjo::Image2_Click() {
    if (settings_.first_flag != 0)
        close();
}

void verjo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void verjo::keyPressEvent(QKeyEvent* event) {
    // Not the dialog's own keys: Escape must not close the greeting.
    if (!is_modifier(event->key()))
        Form_KeyPress();
}

void verjo::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The fixed single border of a window without title bar.
    QPainter g(this);
    g.setPen(background.darker(200));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool verjo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* w = static_cast<QWidget*>(watched);
    if (mouse->button() != Qt::LeftButton || !w->rect().contains(mouse->position().toPoint()))
        return true;
    if (watched == Label1)
        Label1_Click();
    else if (watched == Label2)
        Label2_Click();
    else if (watched == Label3)
        Label3_Click();
    else if (watched == Image2)
        Image2_Click();
    return true;
}

} // namespace tolvin
