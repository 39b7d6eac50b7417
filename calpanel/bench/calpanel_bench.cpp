// Layout and full-page painting of every layout, on screen at 100 percent and
// on a 600-dpi device (the printing path).
#include "calendarpanel.h"
#include "pagestyles.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace ql;

namespace {

void setUp(TCalendarPanel &page, int layout)
{
    ApplyDesignerStyle(page, PageRole::MainWindow);
    page.SetCalendarLayout(static_cast<TCalendarLayout>(layout));
    page.SetMainCalDay(5);
    page.LayoutPage(true);
}

void BM_LayoutPage(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, static_cast<int>(state.range(0)));
    for (auto _ : state)
        page.LayoutPage(false);
    state.SetLabel(LayoutName(static_cast<int>(state.range(0))).toStdString());
}

void BM_PaintScreen100(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage img = page.PaintImage();
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetLabel(LayoutName(static_cast<int>(state.range(0))).toStdString());
}

void BM_Paint600Dpi(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, static_cast<int>(state.range(0)));
    const QSize size(page.PageWidth() * 600 / 96, page.PageHeight() * 600 / 96);
    QImage img(size, QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(600 / 0.0254));
    img.setDotsPerMeterY(qRound(600 / 0.0254));
    const PageScale scale = TCalendarPanel::PrinterScale(600, 600, 0, 0);
    for (auto _ : state) {
        img.fill(Qt::white);
        QPainter p(&img);
        page.DrawPageScaled(p, scale, page.StartTime());
    }
    state.SetLabel(LayoutName(static_cast<int>(state.range(0))).toStdString());
}

} // namespace

BENCHMARK(BM_LayoutPage)->DenseRange(0, 21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintScreen100)->DenseRange(0, 21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint600Dpi)->DenseRange(0, 21)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetScreenPixelsPerInch(96);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
