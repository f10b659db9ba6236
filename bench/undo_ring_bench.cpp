// The undo history: the ring's own cost of recording a keystroke, its memory after many
// entries of long lists, and undo, redo and typing in the main window with its list box.
#include "core/list_text.hpp"
#include "core/undo_ring.hpp"
#include "silent_services.hpp"
#include "ui/platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// URL lines of 32 characters with their CR LF, `prefix` at the head of each.
std::u16string url_list(std::size_t length, const std::u16string& prefix = u"") {
    std::u16string text;
    for (int n = 0; text.size() < length; ++n) {
        const std::string digits = std::to_string(100000 + n);
        text += prefix + u"http://www.ex.jp/a/k" + std::u16string(digits.begin(), digits.end()) + u".jpg\r\n";
    }
    text.resize(length);
    return text;
}

double megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / 1e6;
}

// Bytes in use on the heap, to check the ring's own count against.
std::size_t heap_in_use() {
    return mallinfo2().uordblks;
}

// One keystroke in the middle of a full list, recorded after the list it changed.
void BM_ring_record_keystroke(benchmark::State& state) {
    const std::u16string before = url_list(static_cast<std::size_t>(state.range(0)));
    std::u16string after = before;
    after.insert(after.size() / 2, u"a");
    tolvin::undo_ring ring;
    ring.record(before);
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        ring.record(typed ? after : before);
    }
}
BENCHMARK(BM_ring_record_keystroke)->Arg(tolvin::list_limit)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A list recorded, then 100 keystrokes at random places, each one entry.
void BM_ring_100_keystrokes(benchmark::State& state) {
    const std::u16string list = url_list(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    std::size_t heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::u16string text = list;
        text.reserve(list.size() + 100);
        const std::size_t heap_before = heap_in_use();
        auto ring = std::make_unique<tolvin::undo_ring>();
        ring->record(text);
        std::mt19937 random(1);
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            text.insert(random() % text.size(), u"z");
            ring->record(text);
        }
        bytes = ring->memory_bytes();
        heap = heap_in_use() - heap_before;
    }
    state.counters["ring_MB"] = megabytes(bytes);
    state.counters["heap_MB"] = megabytes(heap);
    state.counters["copies_MB"] = megabytes(100 * list.size() * sizeof(char16_t));
}
BENCHMARK(BM_ring_100_keystrokes)->Arg(tolvin::list_limit)->Arg(1000000)->Unit(benchmark::kMillisecond);

// 100 full lists that share nothing (every line rewritten), as 100 generator runs make.
void BM_ring_100_full_lists(benchmark::State& state) {
    std::vector<std::u16string> lists;
    for (int i = 0; i < 100; ++i) {
        const std::string tag = std::to_string(i) + "_";
        lists.push_back(url_list(tolvin::list_limit, std::u16string(tag.begin(), tag.end())));
    }
    std::size_t bytes = 0;
    std::size_t heap = 0;
    for (auto _ : state) {
        const std::size_t heap_before = heap_in_use();
        auto ring = std::make_unique<tolvin::undo_ring>();
        for (const std::u16string& text : lists)
            ring->record(text);
        bytes = ring->memory_bytes();
        heap = heap_in_use() - heap_before;
    }
    state.counters["ring_MB"] = megabytes(bytes);
    state.counters["heap_MB"] = megabytes(heap);
}
BENCHMARK(BM_ring_100_full_lists)->Unit(benchmark::kMillisecond);

struct window {
    window() : store(dir.filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat), fm(services, store) {
        fm.Form_Load();
        QCoreApplication::processEvents();
    }
    QTemporaryDir dir;
    silent_services services;
    QSettings store;
    tolvin::TOLVIN_fm fm;
};

// Undo and redo in turn on a full list that one keystroke changed: each step puts the
// whole list back into the list box.
// Argument 0: lines of URLs; 1: the same characters as one line.
void BM_window_undo_redo(benchmark::State& state) {
    window w;
    std::u16string list = url_list(tolvin::list_limit - 1);
    if (state.range(0) == 1)
        std::erase_if(list, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    w.fm.text7_box.set_text(QString::fromStdU16String(list));
    w.fm.text7_box.set_selection(static_cast<qsizetype>(list.size() / 2));
    QTest::keyClick(w.fm.Text7, Qt::Key_A);
    for (auto _ : state) {
        if (w.fm.undo_history.can_undo())
            w.fm.Command6_Click();
        else
            w.fm.Command7_Click();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_window_undo_redo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A key typed into a list of a million characters: the box's own work, reading the list
// back and recording it.
void BM_window_keystroke_long_list(benchmark::State& state) {
    window w;
    w.fm.Text7->setPlainText(QString::fromStdU16String(url_list(1000000)));
    w.fm.text7_box.set_selection(500000);
    for (auto _ : state) {
        QTest::keyClick(w.fm.Text7, Qt::Key_A);
        QCoreApplication::processEvents();
    }
    state.counters["ring_MB"] = megabytes(w.fm.undo_history.memory_bytes());
}
BENCHMARK(BM_window_keystroke_long_list)->Unit(benchmark::kMillisecond);

} // namespace
