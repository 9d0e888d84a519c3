// Opening the editor on a 10 MB book: from the command to the text shown
// and painted at the reader's line in the middle of the book (the target is
// at most one second), and Replace all over the same text.

#ifdef QW_BENCH_WITH_QT

#include "controls/scripted_dialogs.h"
#include "reader/book.h"
#include "reader/ui/TEditorForm.h"
#include "settings/configuration.h"
#include "text_gen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

struct EditorOnBook {
    EditorOnBook() {
        book.FileName = "/bench/novel.txt";
        book.WorkText = qw::bench::GenerateNovel(10 * 1024 * 1024);
        book.RawText = book.WorkText;
        lines = static_cast<int>(std::count(book.WorkText.begin(), book.WorkText.end(), '\n'));
        editor = std::make_unique<qw::TEditorForm>(config, dialogs, book);
        editor->resize(1000, 700);
    }
    qw::Configuration config;
    qw::ScriptedDialogs dialogs;
    qw::Book book;
    int lines = 0;
    std::unique_ptr<qw::TEditorForm> editor;
};

void BM_EditorOpen10MB(benchmark::State& state) {
    EditorOnBook fixture;
    for (auto _ : state) {
        fixture.editor->setReloadNeeded();
        fixture.editor->openAt(fixture.lines / 2);
        fixture.editor->repaint(); // shown: the text drawn at the start line
        state.PauseTiming();
        fixture.editor->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(fixture.book.WorkText.size()));
}
BENCHMARK(BM_EditorOpen10MB)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_EditorReplaceAll10MB(benchmark::State& state) {
    EditorOnBook fixture;
    fixture.editor->openAt(0);
    auto* find = fixture.editor->findChild<QLineEdit*>(QStringLiteral("FindText"));
    auto* replace = fixture.editor->findChild<QLineEdit*>(QStringLiteral("ReplaceText"));
    for (auto _ : state) {
        // Every "the" to "THE" and back: two passes, each one edit.
        find->setText(QStringLiteral("the"));
        replace->setText(QStringLiteral("THE"));
        fixture.editor->StartReplaceAllClick();
        find->setText(QStringLiteral("THE"));
        replace->setText(QStringLiteral("the"));
        fixture.editor->StartReplaceAllClick();
    }
    state.SetBytesProcessed(state.iterations() * 2 *
                            static_cast<int64_t>(fixture.book.WorkText.size()));
    fixture.editor->hide();
}
BENCHMARK(BM_EditorReplaceAll10MB)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

} // namespace

#endif
