// Times what the icon list does when a library is chosen: open the file,
// count its icons and draw each one at the system icon size.
#include "iconfile.h"
#include "iconlibrary.h"

#include <QDir>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void ListLibrary(benchmark::State &state)
{
    const ql::IconLibrary &library = ql::ShippedIconLibraries().at(static_cast<int>(state.range(0)));
    const QString path = QDir(ql::IconLibraryFolder()).filePath(library.fileName);
    int icons = 0;
    for (auto _ : state) {
        const ql::IconFile file(path);
        icons = file.count();
        for (int i = 0; i < icons; ++i)
            benchmark::DoNotOptimize(file.icon(i, ql::IconFile::SystemIconSize));
    }
    if (icons <= 0)
        state.SkipWithError("the library is missing or holds no icons");
    state.SetLabel(library.fileName.toStdString() + ", " + std::to_string(icons) + " icons");
}
BENCHMARK(ListLibrary)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
