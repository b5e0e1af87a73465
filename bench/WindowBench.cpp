// The main window's Next from a filled-in input page to the shown results
// page, and the results tree's selection and scrolling, on the offscreen
// platform. The application keeps nearly every part: Rs 0.1 + Rl 0.01 ohm,
// Imax 0.1 A, Va 1 V, capacitance "> 0.1" in any case (2069 of the 2072
// built-in parts). Larger catalogues repeat the built-in entries in a
// catalogue file.
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/CatalogueFile.h"
#include "ui/mainwindow/frmDorvanta.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <map>
#include <memory>

namespace {

using namespace dorvanta;

// A directory whose catalogue file holds `size` entries (none for the
// built-in catalogue's own size, which then serves).
class TCatalogueDirectory {
public:
    explicit TCatalogueDirectory(std::int64_t size) {
        if (size == static_cast<std::int64_t>(kBuiltInCatalogueSize)) {
            return;
        }
        const QString file = Directory.filePath(QString::fromLatin1(kCatalogueFileName));
        if (!ExportCatalogue(file.toStdString())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return;
        }
        QFile out(file);
        (void)out.open(QIODevice::ReadWrite);
        const QByteArray header = out.read(static_cast<qint64>(kRecordSize));
        out.resize(0);
        out.write(header);
        const auto builtIn = BuiltInCatalogue();
        for (std::int64_t i = 0; i < size; ++i) {
            const TPartNoRecord& entry = builtIn[static_cast<std::size_t>(i) % builtIn.size()];
            out.write(reinterpret_cast<const char*>(&entry), sizeof entry);
        }
    }
    [[nodiscard]] QString Path() const { return Directory.path(); }

private:
    QTemporaryDir Directory;
};

// The window over a catalogue of `size` entries with the input page filled.
class TWindow {
public:
    explicit TWindow(std::int64_t size) : Catalogue(size), Form(Catalogue.Path()) {
        Form.show();
        Find<QLineEdit>("editImax")->setText(QStringLiteral("0.1"));
        Find<QLineEdit>("editVa")->setText(QStringLiteral("1"));
        QApplication::processEvents();
        Idle();
    }

    template <class T> T* Find(const char* name) {
        return Form.findChild<T*>(QString::fromLatin1(name));
    }

    // Runs the event loop until it waits for more events: the window's
    // enabling rules run then, as between two keystrokes of a user.
    static void Idle() {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Next until the results page has been laid out and painted; Next is
    // enabled by the preceding Idle.
    bool NextToResults() {
        Find<QAction>("actionNext")->trigger();
        QApplication::processEvents();
        return Find<QStackedWidget>("notebookDorvanta")->currentIndex() == 1;
    }

    // The results tree with every group expanded; none without results.
    QTreeView* ExpandedTree() {
        if (!NextToResults()) {
            return nullptr;
        }
        auto* tree = Find<QTreeView>("treeviewSeznamTypu");
        tree->expandAll();
        QApplication::processEvents();
        return tree;
    }

    void Back() {
        Idle();
        Find<QAction>("actionBack")->trigger();
        QApplication::processEvents();
        Idle();
    }

    // The part nodes of the results tree.
    int PartCount() {
        const QAbstractItemModel* nodes = Find<QTreeView>("treeviewSeznamTypu")->model();
        int parts = 0;
        for (int group = 0; group < nodes->rowCount(); ++group) {
            parts += nodes->rowCount(nodes->index(group, 0));
        }
        return parts;
    }

    TCatalogueDirectory Catalogue;
    TformDorvanta Form;
};

void BM_NextToResults(benchmark::State& state) {
    TWindow window(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        window.Back();
        state.ResumeTiming();
        if (!window.NextToResults()) {
            state.SkipWithError("the results page was not shown");
            break;
        }
    }
    state.counters["parts"] = static_cast<double>(window.PartCount());
}
BENCHMARK(BM_NextToResults)
    ->Arg(static_cast<std::int64_t>(kBuiltInCatalogueSize))
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// One step down the tree: the next node selected, its details shown, the
// tree repainted.
void BM_SelectNextNode(benchmark::State& state) {
    TWindow window(state.range(0));
    QTreeView* tree = window.ExpandedTree();
    if (tree == nullptr) {
        state.SkipWithError("the results page was not shown");
        return;
    }
    for (auto _ : state) {
        QModelIndex next = tree->indexBelow(tree->currentIndex());
        if (!next.isValid()) {
            next = tree->model()->index(0, 0);
        }
        tree->setCurrentIndex(next);
        tree->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SelectNextNode)
    ->Arg(static_cast<std::int64_t>(kBuiltInCatalogueSize))
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

// One page down through the fully expanded tree, repainted.
void BM_ScrollPage(benchmark::State& state) {
    TWindow window(state.range(0));
    QTreeView* tree = window.ExpandedTree();
    if (tree == nullptr) {
        state.SkipWithError("the results page was not shown");
        return;
    }
    auto* bar = tree->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        tree->repaint();
        QApplication::processEvents();
    }
    state.counters["rows"] = static_cast<double>(bar->maximum() + bar->pageStep());
}
BENCHMARK(BM_ScrollPage)
    ->Arg(static_cast<std::int64_t>(kBuiltInCatalogueSize))
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
