// The result list window: shows what URL range expansion and search list-up made,
// for the user to copy. Its placement lives in the shared settings record.
#pragma once

#include "settings/settings_record.hpp"
#include "ui/list_box.hpp"
#include "ui/restore_settle.hpp"

#include <QWidget>
#include <cstdint>

class QPlainTextEdit;
class QPushButton;

namespace tolvin {

class list_fm : public QWidget {
    Q_OBJECT
  public:
    explicit list_fm(settings_record& settings);

    QPlainTextEdit* Text1; // the result list
    QPushButton* Command1; // "リストをコピーする"
    list_box text1_box;    // Text1 in list-text positions

    // Places the window from the settings record and restores its state.
    void Form_Load();
    // Lays the controls out (and keeps a normal window at its minimum size and on screen).
    void Form_Resize();
    // Records state and normal bounds in the settings record.
    void Form_QueryUnload();
    // Copies the selection, or the whole list when nothing is selected.
    void Command1_Click();
    void move_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h);

  signals:
    // The window has closed and recorded its placement; its owner drops it.
    void unloaded();

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    settings_record& settings_;
    restore_settle restoring_; // a restored window is placed once it has settled
};

} // namespace tolvin
