// Start-up to the first painted page, a zoom step and opening the cell
// editor, measured on the real main window under the offscreen platform.
#include "calendarmain.h"
#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "centerform.h"
#include "clock.h"
#include "designerdialogs.h"
#include "inifile.h"
#include "pagestyles.h"
#include "printersystem.h"
#include "programfolders.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace ql;

namespace {

class SilentDialogs : public DesignerDialogs
{
public:
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &, const QString &) override { return {}; }
    void information(QWidget *, const QString &) override {}
    bool question(QWidget *, const QString &, const QString &) override { return false; }
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override { return std::nullopt; }
    bool runProperties(QWidget *, TCalendarPanel &, const PropertiesOptions &) override { return false; }
    void about(QWidget *) override {}
    bool print(QWidget *, QPrinter &) override { return false; }
    bool printSetup(QWidget *, QPrinter &) override { return false; }
};

class OnePrinter : public PrinterSystem
{
public:
    QStringList installedPrinters() const override { return {QStringLiteral("Office")}; }
    QString defaultPrinter() const override { return QStringLiteral("Office"); }
};

QTemporaryDir *g_dir = nullptr;

// A calendar file with text in all 42 cells, listed as the most recent file.
void prepareRecentFile()
{
    const QString file = g_dir->path() + QStringLiteral("/full.QLF");
    TCalendarPanel page;
    page.ResetToDefaultStyle();
    ApplyDesignerStyle(page, PageRole::MainWindow);
    for (int i = 1; i <= 42; ++i) {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Arial")});
        f.setFontPointSize(10);
        c.insertText(QStringLiteral("Cell %1: meeting at ten, lunch with the team").arg(i), f);
        page.CellStorage(i).assign(doc);
    }
    page.SaveToCalendarFile(file);
    IniFile ini(SettingsFileName());
    ini.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), file);
}

void BM_StartupToFirstPaintedPage(benchmark::State &state)
{
    SilentDialogs dialogs;
    OnePrinter printers;
    for (auto _ : state) {
        TCalendarMain w(dialogs, printers);
        w.FormActivate();
        w.pageWidget()->ensureComposed();
        w.pageWidget()->repaint();
        benchmark::DoNotOptimize(w.FileName());
        state.PauseTiming();
        if (w.FileName().isEmpty())
            state.SkipWithError("the recent file did not open");
        w.SetModified(false);
        w.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstPaintedPage)->Unit(benchmark::kMillisecond);

void BM_ZoomStep(benchmark::State &state)
{
    SilentDialogs dialogs;
    OnePrinter printers;
    TCalendarMain w(dialogs, printers);
    w.FormActivate();
    if (w.pageWidget()->isHidden())
        state.SkipWithError("no page shown");
    bool in = true;
    for (auto _ : state) {
        if (w.CalendarPanel().Magnification() >= 100)
            in = false;
        else if (w.CalendarPanel().Magnification() <= 30)
            in = true;
        in ? w.ZoomPlusButtonClick() : w.ZoomMinusButtonClick();
        // Composing the page is the paint's cost; repaint copies it to the screen.
        w.pageWidget()->ensureComposed();
        w.pageWidget()->repaint();
    }
    w.SetModified(false);
    w.close();
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

void BM_ClickCellShowsEditor(benchmark::State &state)
{
    SilentDialogs dialogs;
    OnePrinter printers;
    TCalendarMain w(dialogs, printers);
    w.FormActivate();
    w.pageWidget()->ensureComposed();
    int cell = 8;
    for (auto _ : state) {
        const TRect r = w.CalendarPanel().MainAttributes().Cells[static_cast<size_t>(cell - 1)].Rect;
        QTest::mouseClick(w.pageWidget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        w.editor()->repaint();
        if (!w.editor()->isVisible())
            state.SkipWithError("no editor");
        cell = cell == 8 ? 30 : 8;
        // Committing the previous cell repaints the page; count that too, as
        // the user waits for it.
        w.pageWidget()->ensureComposed();
        w.pageWidget()->repaint();
    }
    w.SetModified(false);
    w.close();
}
BENCHMARK(BM_ClickCellShowsEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    SetScreenPixelsPerInch(96);
    SetCurrentDate(QDate(1997, 12, 10));
    SetSettingsFileBaseName(QStringLiteral("QL.ini"));
    SetMainWindowClassName(QStringLiteral("TCalendarMain"));
    QTemporaryDir dir;
    g_dir = &dir;
    SetProgramFolders(ProgramFolders(dir.path() + QLatin1Char('/'), dir.path() + QStringLiteral("/user/")));
    prepareRecentFile();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
