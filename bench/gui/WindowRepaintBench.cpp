// The main window's full repaint at 30 chines through the real picture widgets, in each view.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "Form1.h"
#include "views/ViewGeometry.h"

using namespace merrowin;

namespace {

// One main window for every benchmark: a fresh working folder, every box answered, the main
// view's backing image 1600 x 1000 pixels, 30 chines.
struct BenchWindow {
    QTemporaryDir dir;
    AppState app;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;

    BenchWindow() {
        form = std::make_unique<Form1>(app, dir.path().toStdString(), &dialogs);
        // The layout gives the main view the window less its margins, the menu, the status bar
        // and the foot row: the window grows by what the view still lacks.
        form->resize(1602 + 23, 1002 + 183 + 30);
        form->show();
        QApplication::processEvents();
        const QSize lacking = QSize(1600, 1000) - form->Picture2().Image().size();
        form->resize(form->size() + lacking);
        QApplication::processEvents();
        form->Text3().setText(QStringLiteral("30"));
        QApplication::processEvents();
    }
};

// Made on first use, and released by main before the application object goes.
std::unique_ptr<BenchWindow>& WindowHolder() {
    static std::unique_ptr<BenchWindow> window;
    return window;
}

BenchWindow& Window() {
    auto& window = WindowHolder();
    if (!window) {
        window = std::make_unique<BenchWindow>();
    }
    return *window;
}

// 0 perspective, 1 sections, 2 profile, 3 plan.
void BM_WindowRepaint(benchmark::State& state) {
    BenchWindow& window = Window();
    ViewState& view = window.app.Work.View;
    CheckView(view, static_cast<ViewKind>(state.range(0)));
    window.form->RepaintWindow();
    const QImage& image = window.form->Picture2().Image();
    if (image.width() != 1600 || image.height() != 1000 || window.app.Hull.ChineCount != 30) {
        state.SkipWithError("the main view is not 1600 x 1000 at 30 chines");
        return;
    }
    for (auto _ : state) {
        window.form->RepaintWindow();
        // Finish the drawing into the backing images (the widgets show them later).
        benchmark::DoNotOptimize(window.form->Picture2().Image().constBits());
    }
    QApplication::processEvents();
}
BENCHMARK(BM_WindowRepaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The windows are drawn off screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    WindowHolder().reset();
    benchmark::Shutdown();
    return 0;
}
