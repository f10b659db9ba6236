// The list box adapter against the bare widget: storing and reading back a full list,
// and mapping positions between list text and widget.
#include "core/list_text.hpp"
#include "ui/list_box.hpp"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// A full list: about 2,000 URL lines, 65,535 characters.
QString full_list() {
    QString text;
    for (int n = 0; text.size() < static_cast<qsizetype>(tolvin::list_limit); ++n) {
        text += QStringLiteral("http://www.ex.jp/a/kuru%1.jpg\r\n").arg(n, 4, 10, QChar(u'0'));
    }
    text.truncate(tolvin::list_limit);
    return text;
}

// Positions spread over the whole list, line starts, middles and LFs alike.
std::vector<qsizetype> sample_positions(qsizetype length) {
    std::vector<qsizetype> positions;
    for (qsizetype p = 0; p <= length; p += 1021) {
        positions.push_back(p);
    }
    positions.push_back(length);
    return positions;
}

void adapter_store_and_read(benchmark::State& state) {
    const QString text = full_list();
    QPlainTextEdit edit;
    tolvin::list_box box(&edit);
    for (auto _ : state) {
        if (tolvin::fits_list_limit(static_cast<std::size_t>(text.size())) &&
            tolvin::list_box::can_hold(text)) {
            box.set_text(text);
        }
        QString back = box.text();
        qsizetype start = box.sel_start();
        benchmark::DoNotOptimize(back);
        benchmark::DoNotOptimize(start);
    }
    state.counters["lines"] = edit.document()->blockCount();
}
BENCHMARK(adapter_store_and_read)->Unit(benchmark::kMillisecond);

void bare_widget_store_and_read(benchmark::State& state) {
    const QString text = full_list();
    QPlainTextEdit edit;
    edit.setUndoRedoEnabled(false);
    for (auto _ : state) {
        edit.setPlainText(text);
        QString back = edit.document()->toRawText();
        int start = edit.textCursor().selectionStart();
        benchmark::DoNotOptimize(back);
        benchmark::DoNotOptimize(start);
    }
}
BENCHMARK(bare_widget_store_and_read)->Unit(benchmark::kMillisecond);

// Time per mapped position.
void map_list_to_widget(benchmark::State& state) {
    QPlainTextEdit edit;
    tolvin::list_box box(&edit);
    box.set_text(full_list());
    const std::vector<qsizetype> positions = sample_positions(box.length());
    for (auto _ : state) {
        for (qsizetype p : positions) {
            benchmark::DoNotOptimize(box.to_widget_pos(p));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(positions.size()));
}
BENCHMARK(map_list_to_widget)->Unit(benchmark::kMicrosecond);

void map_widget_to_list(benchmark::State& state) {
    QPlainTextEdit edit;
    tolvin::list_box box(&edit);
    box.set_text(full_list());
    const std::vector<qsizetype> positions = sample_positions(edit.document()->characterCount() - 1);
    for (auto _ : state) {
        for (qsizetype p : positions) {
            benchmark::DoNotOptimize(box.to_list_pos(p));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(positions.size()));
}
BENCHMARK(map_widget_to_list)->Unit(benchmark::kMicrosecond);

// Moving the caret to a list position and reading the selection start back, as the
// caret memory does: one mapping each way plus the widget's cursor.
void set_caret_and_read_start(benchmark::State& state) {
    QPlainTextEdit edit;
    tolvin::list_box box(&edit);
    box.set_text(full_list());
    const std::vector<qsizetype> positions = sample_positions(box.length());
    for (auto _ : state) {
        for (qsizetype p : positions) {
            box.set_selection(p);
            benchmark::DoNotOptimize(box.sel_start());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(positions.size()));
}
BENCHMARK(set_caret_and_read_start)->Unit(benchmark::kMicrosecond);

// The same caret moves on the bare widget, in its own positions.
void bare_widget_set_caret(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.setUndoRedoEnabled(false);
    edit.setPlainText(full_list());
    const std::vector<qsizetype> positions = sample_positions(edit.document()->characterCount() - 1);
    for (auto _ : state) {
        for (qsizetype p : positions) {
            QTextCursor cursor = edit.textCursor();
            cursor.setPosition(static_cast<int>(p));
            edit.setTextCursor(cursor);
            benchmark::DoNotOptimize(edit.textCursor().selectionStart());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(positions.size()));
}
BENCHMARK(bare_widget_set_caret)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
