// The about window, without title bar, in two faces: on later starts a splash with
// the icon, title, version and maker that closes on a click, a key or the main
// window's timer; on the first start a greeting that only its "OK" button closes.
#pragma once

#include "settings/settings_record.hpp"

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QPushButton;

namespace tolvin {

class verjo : public QDialog {
    Q_OBJECT
  public:
    // `settings` gives first_flag, which chooses the face; the window stands centred
    // on `main_window`, stays above it and goes when it is closed.
    verjo(const settings_record& settings, QWidget* main_window);

    QPushButton* Command1; // "OK" of the greeting
    QLabel* Label1;        // the title
    QLabel* Label2;        // the version line
    QLabel* Label3;        // the maker
    QLabel* Label5;        // the first-run message
    QLabel* Image2;        // the program's icon

    // Sets the texts, the face and the place.
    void Form_Load();

    void Command1_Click();
    void Form_Click();
    void Form_KeyPress();
    void Image2_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();

    // Closes the window whatever its face: the program is ending.
    void unload();

    // "ﾊﾞｰｼﾞｮﾝ 1.00  Revision220" for version 1.00.0220.
    static QString version_line(std::int32_t major, std::int32_t minor, std::int32_t revision);
    // The greeting's four paragraphs, an empty line between two.
    static QString first_run_message();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The greeting refuses close requests (Alt+F4, the window manager's close): only
    // its "OK" closes it.
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void close_now();

    const settings_record& settings_;
    QWidget* main_window_;
    bool closing_ = false; // set by the controls that close at once and by unload()
};

} // namespace tolvin
