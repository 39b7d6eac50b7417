// Times filling the designer's icon list when a library is chosen: reading
// the file, drawing every icon at the system icon size into its row and
// painting the visible rows, on the real list widget under the offscreen
// platform.
#include "iconlibrary.h"
#include "iconlistbox.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace {

void FillIconList(benchmark::State &state)
{
    const ql::IconLibrary &library = ql::ShippedIconLibraries().at(static_cast<int>(state.range(0)));
    const QString path = QDir(ql::IconLibraryFolder()).filePath(library.fileName);
    // The list as the main window sizes it: 55 pixels wide in a 378-pixel column.
    ql::IconListBox list;
    list.resize(55, 250);
    list.show();
    for (auto _ : state) {
        list.setFileName(path);
        list.viewport()->repaint();
        state.PauseTiming();
        // Start each round from an empty list, as choosing another library does.
        list.setFileName(QString());
        state.ResumeTiming();
    }
    list.setFileName(path);
    if (list.iconCount() <= 0)
        state.SkipWithError("the library is missing or holds no icons");
    state.SetLabel(library.fileName.toStdString() + ", " + std::to_string(list.iconCount()) + " icons");
}
BENCHMARK(FillIconList)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
