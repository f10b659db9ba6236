// The options window "その他の設定": the save extension and three switches of the
// main window's settings record. It changes them only on OK; the settings store is
// written when the main window closes.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tolvin {

class TOLVIN_fm;
class platform_services;

class option_fm : public QDialog {
    Q_OBJECT
  public:
    // A small fixed-size dialog owned by `owner`, whose settings it shows and changes.
    option_fm(TOLVIN_fm& owner, platform_services& services);

    QGroupBox* Frame1;      // frame without caption around the settings
    QPushButton* Command3;  // "標準設定"
    QGroupBox* Frame2;      // "保存時のファイル"
    QLabel* Label2;         // "保存時の拡張子： *."
    QComboBox* Combo1;      // save extension, picked or typed
    QFrame* Line2;          // separator under the extension
    QCheckBox* Check2;      // remember the last saved file name
    QCheckBox* Check1;      // comment lines in generated lists
    QCheckBox* Check3;      // start-up explanation
    QGroupBox* Frame3;      // "サポート(更新情報など)"
    QLabel* Label1;         // "ホームページへのリンク"
    QPushButton* Command21; // opens the home page (picture)
    QPushButton* Command1;  // "OK"
    QPushButton* Command2;  // "キャンセル"

    // The program's home page.
    static QString home_page_address();

    // Fills the controls from the settings record.
    void Form_Load();
    // Applies the controls to the settings and closes; an empty extension is refused.
    void Command1_Click();
    // Closes without applying anything.
    void Command2_Click();
    // Puts the standard values into the controls (applied only by OK).
    void Command3_Click();
    // Asks the desktop to open the home page.
    void Command21_Click();

    // Shows the window, brought forward and asked to become the active window.
    void bring_forward();
    // Whether the window has been the active window since it was last brought forward.
    // Only then does the main window's activation mean that the user went back to it:
    // an activation that arrives before ours (the press on the options button asked
    // for one, a window manager hands the focus back after a message) does not.
    bool active_since_brought_forward() const { return active_since_brought_forward_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void build_controls();
    void set_tab_order();

    TOLVIN_fm& owner_;
    platform_services& services_;
    bool active_since_brought_forward_ = false;
};

} // namespace tolvin
