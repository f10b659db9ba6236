// The main window: the list box with every generator row, the clipboard and undo
// buttons, start-up and shut-down. It owns the program's state and the result list
// window; the rules themselves live in core and generators.
#pragma once

#include "core/undo_ring.hpp"
#include "settings/settings_record.hpp"
#include "ui/list_box.hpp"
#include "ui/restore_settle.hpp"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QTimer;

namespace tolvin {

class busy_scope;
class list_fm;
class option_fm;
class platform_services;
class verjo;

class TOLVIN_fm : public QWidget {
    Q_OBJECT
  public:
    // `store` is the per-user settings store, read at Form_Load and written at close.
    TOLVIN_fm(platform_services& services, QSettings& store);
    ~TOLVIN_fm() override;

    // The settings record: shared with the other windows.
    settings_record settings;

    // Strips along the top.
    QFrame* Picture2;       // file buttons
    QPushButton* Command3;  // open a list file (image)
    QPushButton* Command4;  // save the list (image)
    QPushButton* Command8;  // show the list file in the text editor (image)
    QFrame* Picture1;       // search strip
    QPushButton* Command1;  // ">>": selection becomes the search text
    QComboBox* Combo3;      // search text
    QPushButton* Command9;  // find (image)
    QPushButton* Command13; // "検索してリストを作る"
    QPushButton* Command15; // "A" / "あ": search list-up character mode
    QPushButton* Command10; // "?": show the demonstration
    QPushButton* Command11; // "デモを終了する"

    QGroupBox* Frame6;      // "リストの編集"
    list_edit* Text7;       // the list box
    QGroupBox* Frame2;      // the four edit rows
    QGroupBox* Frame3;      // "やり直し": undo, redo, options and clipboard buttons
    QPushButton* Command6;  // undo (image)
    QPushButton* Command7;  // redo (image)
    QPushButton* Command18; // options (image of a tool)
    QPushButton* Command20; // cut (image)
    QPushButton* Command17; // copy (image)
    QPushButton* Command19; // paste (image)
    QPushButton* Command14; // clear (image)
    QTimer* Timer1;         // closes the splash 2,000 ms after a later start

    // Row 1: replace.
    QLabel* Label1;        // "1. リストの文字"
    QLineEdit* Text1;      // text to replace
    QLabel* Label2;        // "を"
    QLineEdit* Text2;      // replacement
    QLabel* Label3;        // "に 変更する"
    QPushButton* Command5; // "実行" of the replace row
    // Row 2: numbered list.
    QLabel* Label4;        // "2. 文字"
    QLineEdit* Text3;      // common text
    QLabel* Label5;        // "の"
    QComboBox* Combo1;     // number position: "最後" / "先頭"
    QLabel* Label6;        // "に"
    QLabel* Label8;        // "数字"
    QLineEdit* Text4;      // first number
    QLabel* Label9;        // "～"
    QLineEdit* Text5;      // last number
    QLabel* Label10;       // "を 付加して 番号付きリストを  作る"
    QPushButton* Command2; // "実行" of the numbered list row
    // Row 3: add text.
    QLabel* Label11;        // "3. リストの"
    QComboBox* Combo2;      // add position: "最後" / "先頭"
    QLabel* Label12;        // "に 文字"
    QLineEdit* Text6;       // text to add
    QLabel* Label13;        // "を 追加する"
    QPushButton* Command12; // "実行" of the add-text row
    // Row 4: URL range expansion.
    QLabel* Label7;         // the URL row's label with the template format
    QPushButton* Command16; // "実行" of the URL row

    list_box text7_box; // Text7 in list-text positions

    // Start-up: settings, placement, field texts, help text, show.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_QueryUnload();
    void Form_Unload();
    // Ends the program as closing the main window does (settings written), also while
    // a message or a dialog waits for the user: the way a session's end or a signal
    // closes it.
    void end_program();
    // Whether the main window has closed: the program is over.
    bool is_unloaded() const { return unloaded_; }
    void Timer1_Timer();

    void Command1_Click();  // ">>": the selection becomes the search string
    void Command9_Click();  // find
    void Command13_Click(); // search list-up
    void Command2_Click();  // numbered list
    void Command5_Click();  // replace
    void Command12_Click(); // add text
    void Command3_Click();  // open a list file
    // A file dropped on the list box: opened as the open button opens a chosen file.
    void Text7_FileDrop(const QString& path);
    void Command4_Click();  // save the list
    void Command8_Click();  // show the opened file in the text editor
    void Command10_Click(); // "?": shows the demonstration
    void Command11_Click(); // "デモを終了する": ends it, the user's texts come back
    void Command14_Click(); // clear
    void Command15_Click(); // search list-up character mode
    void Command16_Click(); // URL range expansion
    void Command17_Click(); // copy
    void Command18_Click(); // options
    void Command19_Click(); // paste
    void Command20_Click(); // cut

    // Guarded stores: 0 stored, 1 refused with the capacity message.
    std::int32_t set_list_text(const QString& text);
    std::int32_t set_result_text(const QString& text);
    // Mode 0 speaks of "編集", any other mode of "リストアップ".
    void show_limit_message(std::int32_t mode);
    // The message for a refused text: the capacity message in the given mode's wording
    // for one too long, the marker message for one holding U+FDD0 or U+FDD1.
    void show_refusal(box_refusal why, std::int32_t mode);
    // Shows the marker message and returns true when `text` holds U+FDD0 or U+FDD1,
    // which no list can hold: a search for it could never find anything.
    bool refuse_markers(const QString& text);

    void restore_caret();
    void Text7_KeyUp();
    void Text7_MouseUp();
    void Text7_Change();
    // A typed key, paste, drop or input method's commit the list box refused.
    void Text7_Refused(box_refusal why, list_edit::entry way);

    // The undo history of the list box.
    void Command6_Click(); // undo
    void Command7_Click(); // redo
    void update_undo_buttons();
    // The list box's right-click menu, its undo and redo entries doing what the buttons do.
    QMenu* list_context_menu();
    void Text7_ContextMenu(const QPoint& pos);

    void move_window(std::int32_t l, std::int32_t t, std::int32_t w, std::int32_t h);

    // The result list window, loaded (hidden) when it is not loaded yet.
    list_fm& result_window();
    bool result_window_loaded() const { return !result_window_.isNull(); }
    // Closes the result list window, which records its placement, and drops it.
    void unload_result_window();
    // The options window while it is open, else null.
    option_fm* options_window() const;

    // State of the main window.
    QString crlf;
    std::int32_t caret_pos = 0;
    std::int32_t busy_flag = 0;
    undo_ring undo_history;
    std::int32_t undo_restoring = 0; // 1 while undo or redo puts an entry back
    std::int32_t placing_flag = 0;
    std::int32_t demo_flag = 0;     // 1 while the demonstration runs
    std::int32_t demo_url_flag = 0; // 1 once the URL demonstration text is in the list
    // Texts of Text1 … Text7 and Combo1 … Combo3 from before the demonstration.
    std::array<QString, 10> demo_backup;
    // The filter each file dialog had selected when it last closed; it starts there at
    // its next use (0 is the first filter). The options window resets both.
    std::int32_t open_filter_index = 0;
    std::int32_t save_filter_index = 0;
    // The file last read by an open, which the view button shows. file_name1 is the
    // name the open dialog offers next, also after a name that could not be read.
    QString opened_file;

    // The help text put into the list at a later start.
    static QString help_text();
    // What the URL button puts into the list at its first press in a demonstration.
    static QString url_demo_text();
    // The list the demonstration shows, and the address its example images share.
    static QString demo_list();
    static QString demo_base_address();

    // The about window while it is open: the splash of a later start, or the greeting.
    verjo* about_window() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the result list window for a new list, restored when it is minimised.
    list_fm& open_result_window();
    // Puts a generated list into the result list window through set_result_text and,
    // when it is stored, puts the caret at its end, focuses it and shows lw_url_su in
    // the caption.
    void show_generated_list(const QString& text);

    void build_controls();
    void build_edit_rows();
    void connect_handlers();
    void connect_undo_handlers();
    // Ctrl+O, Ctrl+S and F3 press the open, save and find buttons; Tab follows the
    // controls in reading order.
    void connect_keys();
    // Dragging files over the list box and dropping them; true when the event has been
    // dealt with (a dragged text is left to the box).
    bool Text7_DropEvent(QEvent* event);
    // What the open button does once a file is chosen, inside its guarded frame.
    void open_chosen_file(busy_scope& busy, const QString& path);
    // The undo and redo keys and input-method composition in the list box; true when
    // the event has been dealt with.
    bool Text7_HistoryEvent(QEvent* event);
    void put_back_undo_entry(bool (undo_ring::*step)());
    void copy_field_texts_to_settings();
    void save_to_store();
    void drop_result_window();
    void drop_options_window();

    platform_services& services_;
    QSettings& store_;
    QPointer<list_fm> result_window_;
    // What search list-up takes for a token: 0 runs of URL characters, 1 runs of
    // anything but blanks, line breaks and quotes (Japanese words too).
    std::int32_t search_mode = 0;
    bool unloaded_ = false;  // no handler runs once the window has unloaded
    bool composing_ = false; // an input method is updating its uncommitted text
    QPointer<option_fm> options_window_;
    QPointer<verjo> about_window_;
    restore_settle restoring_; // a restored window is placed once it has settled
};

} // namespace tolvin
