// How long the properties dialog takes to open (create, fill the controls
// from a page, lay out and paint the example) and how long the example page
// takes to follow a change (the setter, a new layout where one is needed and
// the composed page on screen). Runs headless unless QT_QPA_PLATFORM says
// otherwise; the targets are 200 ms to open and 30 ms to follow a change.
#include "calendarproperties.h"
#include "calendarpanel.h"
#include "clock.h"
#include "colorbutton.h"
#include "languagetab.h"
#include "pagestyles.h"
#include "programfolders.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

using namespace ql;

namespace {

// The designer's page on a month layout with mini calendars.
TCalendarPanel &designerPage()
{
    static TCalendarPanel *page = [] {
        auto *p = new TCalendarPanel;
        ApplyDesignerStyle(*p, PageRole::MainWindow);
        p->SetCalendarLayout(loFC12After);
        p->SetMainCalMonth(12);
        p->SetMainCalDay(10);
        return p;
    }();
    return *page;
}

std::unique_ptr<TCalendarProperties> openDialog(int zoom)
{
    auto dialog = std::make_unique<TCalendarProperties>();
    dialog->ExampleCalendar().SetMagnification(zoom);
    dialog->ExampleCalendar().AssignSettings(designerPage());
    dialog->show();
    // The first paint of the dialog with its example page.
    dialog->repaint();
    QCoreApplication::processEvents();
    return dialog;
}

void BM_OpenDialog(benchmark::State &state)
{
    for (auto _ : state) {
        auto dialog = openDialog(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(dialog.get());
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDialog)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

// One change made by the user, then the example page drawn on screen.
template<typename Change>
void followChange(benchmark::State &state, Change change)
{
    auto dialog = openDialog(static_cast<int>(state.range(0)));
    QWidget *example = dialog->findChild<QWidget *>(QStringLiteral("ExampleCalendar"));
    int i = 0;
    for (auto _ : state) {
        change(*dialog, i++);
        example->repaint();
    }
}

void BM_FollowColour(benchmark::State &state)
{
    followChange(state, [](TCalendarProperties &d, int i) {
        // What a confirmed colour dialog does.
        auto *button = d.findChild<TColorButton *>(QStringLiteral("TitleBGColor"));
        emit button->ColorChange(i % 2 ? clWhite : ColorFromRgb(255, 255, 0));
    });
}
BENCHMARK(BM_FollowColour)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_FollowLayout(benchmark::State &state)
{
    // Between a month page with 12 minis and the grid of 60 minis: the
    // heaviest layout pass and drawing the dialog has.
    followChange(state, [](TCalendarProperties &d, int i) {
        d.findChild<QListWidget *>(QStringLiteral("LayoutList"))->setCurrentRow(i % 2 ? 3 : 8);
    });
}
BENCHMARK(BM_FollowLayout)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_FollowLanguage(benchmark::State &state)
{
    followChange(state, [](TCalendarProperties &d, int i) {
        d.findChild<QPushButton *>(i % 2 ? QStringLiteral("French") : QStringLiteral("German"))->click();
    });
}
BENCHMARK(BM_FollowLanguage)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

// The example page composed off-screen alone, for comparison.
void BM_ComposeExample(benchmark::State &state)
{
    auto dialog = openDialog(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        dialog->ExampleCalendar().SetTitleBGColor(i++ % 2 ? clWhite : ColorFromRgb(255, 255, 0));
        benchmark::DoNotOptimize(dialog->ExampleCalendar().PaintImage());
    }
}
BENCHMARK(BM_ComposeExample)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetScreenPixelsPerInch(96);
    SetCurrentDate(QDate(1997, 12, 10));
    SetSettingsFileBaseName(QStringLiteral("QL.ini"));
    QTemporaryDir folder;
    SetProgramFolders(ProgramFolders(folder.path(), folder.path()));
    // The very first dialog of a run also loads fonts and styles.
    QElapsedTimer first;
    first.start();
    openDialog(30).reset();
    std::printf("first dialog opened in %lld ms\n", static_cast<long long>(first.elapsed()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
