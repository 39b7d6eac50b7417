// Times the tray window's month step the way a user makes it: the note typed
// into the box is saved, the month changes, the grid repaints (checking the
// note file of every day) and the new date's note is loaded. The notes
// folder holds 1000 notes, one for each day from 1 January 1997 on.
//   tray_bench [--benchmark_filter=...]
#include "canvaspanel.h"
#include "mainform.h"
#include "notestore.h"
#include "programfolders.h"
#include "traydialogs.h"

#include <QApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// Nothing may wait for a user while timing.
class SilentDialogs : public ql::TrayDialogs
{
public:
    void showError(QWidget *, const QString &) override {}
    void showInformation(QWidget *, const QString &) override {}
};

ql::TMainForm *g_form = nullptr;

void BM_MonthStep(benchmark::State &state)
{
    ql::TMainForm &form = *g_form;
    bool forward = true;
    for (auto _ : state) {
        form.notesMemo()->setPlainText(QStringLiteral("Meeting at 10\nCall the plumber"));
        form.notesMemo()->document()->setModified(true);
        if (forward)
            form.SpeedButton2Click();
        else
            form.SpeedButton1Click();
        forward = !forward;
        form.canvasPanel()->repaint();
    }
}
BENCHMARK(BM_MonthStep)->Unit(benchmark::kMillisecond);

void BM_RepaintOnly(benchmark::State &state)
{
    for (auto _ : state)
        g_form->canvasPanel()->repaint();
}
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir data;
    ql::SetProgramFolders(ql::ProgramFolders(data.path(), data.path()));
    ql::SetSettingsFileBaseName(QStringLiteral("OSPRL.INI"));
    const ql::NoteStore notes(data.path() + QStringLiteral("/Notes"));
    notes.createFolder();
    for (int i = 0; i < 1000; ++i)
        notes.save(QDate(1997, 1, 1).addDays(i), QStringLiteral("Note number %1").arg(i));

    ql::MainFormEnvironment env;
    env.today = [] { return QDate(1997, 6, 15); };
    env.pixelsPerInch = 96;
    env.dialogs = std::make_shared<SilentDialogs>();
    ql::TMainForm form(env);
    form.show();
    QApplication::processEvents();
    g_form = &form;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
