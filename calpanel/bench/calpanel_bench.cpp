// Layout and full-page painting of every layout, on screen at 100 percent and
// on a 600-dpi device (the printing path).
#include "calendarpanel.h"
#include "pagestyles.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
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

// Every cell with three formatted paragraphs and a 32 x 32 picture.
void fillCells(TCalendarPanel &page)
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter ip(&icon);
    ip.fillRect(8, 8, 16, 16, Qt::red);
    ip.end();
    for (int i = 1; i <= kCellCount; ++i) {
        QTextDocument &doc = page.CellStorage(i).document();
        QTextCursor c(&doc);
        QTextCharFormat bold, italic, plain;
        bold.setFontWeight(QFont::Bold);
        bold.setFontPointSize(12);
        italic.setFontItalic(true);
        italic.setForeground(Qt::blue);
        plain.setFontFamilies({QStringLiteral("Arial")});
        c.insertText(QStringLiteral("Meeting %1").arg(i), bold);
        c.insertBlock();
        c.insertText(QStringLiteral("Bring the slides "), italic);
        c.insertText(QStringLiteral("and the budget"), plain);
        c.insertBlock();
        const QUrl url(QStringLiteral("icon%1").arg(i));
        doc.addResource(QTextDocument::ImageResource, url, icon);
        QTextImageFormat img;
        img.setName(url.toString());
        img.setWidth(32);
        img.setHeight(32);
        c.insertImage(img);
        c.insertText(QStringLiteral(" 10:30"), plain);
    }
}

void BM_SaveCalendarFile(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, loFullCalendar);
    fillCells(page);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cells.qlf"));
    for (auto _ : state)
        page.SaveToCalendarFile(path);
}

void BM_LoadCalendarFile(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, loFullCalendar);
    fillCells(page);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cells.qlf"));
    page.SaveToCalendarFile(path);
    TCalendarPanel other;
    for (auto _ : state)
        other.LoadFromCalendarFile(path);
}

void BM_PaintFilledPage(benchmark::State &state)
{
    TCalendarPanel page;
    setUp(page, loFullCalendar);
    fillCells(page);
    for (auto _ : state) {
        QImage img = page.PaintImage();
        benchmark::DoNotOptimize(img.constBits());
    }
}

} // namespace

BENCHMARK(BM_SaveCalendarFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadCalendarFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFilledPage)->Unit(benchmark::kMillisecond);
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
