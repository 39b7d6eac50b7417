// Print, Print Setup, the printer margin check and Save As Bitmap, driven
// through the main window. Printing goes to PDF files chosen in the (scripted)
// print dialog; the margin check is given printers of known numbers.
#include "designertestutil.h"

#include "busycursor.h"
#include "calendardates.h"
#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "error.h"
#include "printergeometrysource.h"
#include "programfolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <array>

using namespace ql;

namespace {

// pdfinfo and pdftotext come with poppler-utils, which the test set-up installs.
QString runTool(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &info)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString &file)
{
    return runTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}).simplified();
}

// The horizontal middle, in points, of the first "first ... last" run of
// words in the PDF; -1 when they are not there.
double wordsMiddle(const QString &file, const QString &first, const QString &last)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    double left = -1;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (left < 0 && m.captured(3) == first)
            left = m.captured(1).toDouble();
        if (left >= 0 && m.captured(3) == last)
            return (left + m.captured(2).toDouble()) / 2;
    }
    return -1;
}

// A Letter sheet at 600 dpi with unprintable strips of the given widths in
// printer pixels.
PrinterPageGeometry letterSheet(bool landscape, int left, int top, int right, int bottom)
{
    PrinterPageGeometry g;
    g.DpiX = g.DpiY = 600;
    g.PhysicalWidth = landscape ? 6600 : 5100;
    g.PhysicalHeight = landscape ? 5100 : 6600;
    g.OffsetX = left;
    g.OffsetY = top;
    g.PrintableWidth = g.PhysicalWidth - left - right;
    g.PrintableHeight = g.PhysicalHeight - top - bottom;
    return g;
}

// A printer whose sheet the test knows, in both orientations; it notes the
// orientation the printer was in when asked.
class FakeSheets : public PrinterGeometrySource
{
public:
    PrinterPageGeometry portrait = letterSheet(false, 150, 150, 150, 150);
    PrinterPageGeometry landscape = letterSheet(true, 150, 150, 150, 150);
    bool fails = false;
    mutable QList<QPageLayout::Orientation> asked;

    PrinterPageGeometry pageGeometry(const QPrinter &printer) const override
    {
        asked << printer.pageLayout().orientation();
        if (fails)
            throw Error(QStringLiteral("no such printer"));
        return printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape : portrait;
    }
};

const QString kNoPrinters =
    QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations");

class Printing : public DesignerTest
{
protected:
    QString pdf() const { return path(QStringLiteral("page.pdf")); }

    // The user picks "print to file" in the print dialog, with copies.
    void answerPrintToPdf(const QString &file, int copies = 1)
    {
        m_dialogs.printAnswer = [file, copies](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setCopyCount(copies);
            return true;
        };
    }

    // A new untitled calendar of the layout and paper, left unmodified.
    void newPage(TCalendarLayout layout, int paperSize)
    {
        m_dialogs.propertiesEdit = [layout, paperSize](TCalendarPanel &page) {
            page.SetCalendarLayout(layout);
            page.SetPaperSize(paperSize);
        };
        window().SetModified(false);
        newCalendar();
        window().SetModified(false);
    }

    void setMargins(float left, float top, float right, float bottom)
    {
        TCalendarPanel &page = window().CalendarPanel();
        page.SetLeftMarginInch(left);
        page.SetTopMarginInch(top);
        page.SetRightMarginInch(right);
        page.SetBottomMarginInch(bottom);
    }

    QAction *action(const char *name)
    {
        auto *a = window().findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    QAbstractButton *printButton()
    {
        return window().findChild<QAbstractButton *>(QStringLiteral("Printbutton"));
    }

    TRect screenCell(int i) { return window().CalendarPanel().MainAttributes().Cells[static_cast<size_t>(i - 1)].Rect; }
};

} // namespace

TEST_F(Printing, PrintsThePageOnItsPaperAndOrientationToAPdfFile)
{
    TCalendarMain &w = start();
    struct Case
    {
        const char *name;
        TCalendarLayout layout;
        int paperSize;
        int copies;
        const char *paperInDialog;
        const char *pdfSize;
        double pageWidth; // points
    } cases[] = {
        {"Letter portrait", loFullCalendar, 0, 1, "print | Letter", "612 x 792 pts (letter)", 612},
        {"A4 landscape", LOFullCalendarLS, 1, 1, "print | A4", "842 x 595 pts (A4)", 841.9},
        {"two copies on A4 portrait", loFullCalendar, 1, 2, "print | A4", "595 x 842 pts (A4)", 595.3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(pdf());
        newPage(c.layout, c.paperSize);
        ASSERT_TRUE(action("mnuPrintCalendar")->isEnabled());
        clickCell(10);
        typeText(QStringLiteral("Dentist"));
        m_dialogs.printDialogs.clear();
        m_dialogs.questions.clear();
        w.pageWidget()->ensureComposed();
        const TRect cellOnScreen = screenCell(10);
        answerPrintToPdf(pdf(), c.copies);

        action("mnuPrintCalendar")->trigger();

        // The printer had the page's paper when the dialog opened; the
        // margins fit the PDF writer's printable area, so nothing was asked.
        EXPECT_EQ(m_dialogs.printDialogs, QStringList{QString::fromLatin1(c.paperInDialog)});
        EXPECT_TRUE(m_dialogs.questions.isEmpty()) << m_dialogs.questions.join('|').toStdString();
        EXPECT_TRUE(m_dialogs.informations.isEmpty()) << m_dialogs.informations.join('|').toStdString();
        ASSERT_TRUE(QFileInfo::exists(pdf()));
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf()});
        EXPECT_EQ(pdfPages(info), c.copies) << info.toStdString();
        EXPECT_TRUE(info.contains(QString::fromLatin1(c.pdfSize))) << info.toStdString();
        // The month title, and the edit committed before printing.
        const QString text = pdfText(pdf());
        EXPECT_TRUE(text.contains(QStringLiteral("December 1997"))) << text.toStdString();
        // Page positions are measured from the paper's edge, not from the
        // printable area's: with equal left and right margins the title
        // sits in the middle of the sheet.
        EXPECT_NEAR(wordsMiddle(pdf(), QStringLiteral("December"), QStringLiteral("1997")),
                    c.pageWidth / 2, 2.0);
        EXPECT_EQ(text.count(QStringLiteral("Dentist")), c.copies) << text.toStdString();
        EXPECT_EQ(cellText(10), QStringLiteral("Dentist"));
        // Hit testing finds the screen's cells again, not the printer's.
        EXPECT_EQ(screenCell(10), cellOnScreen);
        EXPECT_EQ(BusyCursorDepth(), 0);
    }
}

TEST_F(Printing, MarginCheckAsksBeforePrintingWhatThePrinterCannotReach)
{
    TCalendarMain &w = start();
    FakeSheets sheets;
    w.setPrinterGeometrySource(&sheets);
    // 150 printer pixels at 600 dpi: the printer's minimum is 0.25 inch a side.
    const QString leftOnly = QStringLiteral("Margin Warning: Margin Warning:\r"
                                            "\rLeft Margin is outside of Printer printable area"
                                            "\r\rAdjust Calendar to fit printer?");
    const QString allSides = QStringLiteral("Margin Warning: Margin Warning:\r"
                                            "\rLeft Margin is outside of Printer printable area"
                                            "\rTop Margin is outside of Printer printable area"
                                            "\rRight Margin is outside of Printer printable area"
                                            "\rBottom Margin is outside of Printer printable area"
                                            "\r\rAdjust Calendar to fit printer?");
    const QString goOn = QStringLiteral("Margin Warning: Continue Printing?");
    struct Case
    {
        const char *name;
        TCalendarLayout layout;
        std::array<float, 4> margins;
        bool unreadable;
        QList<bool> answers;
        QStringList questions;
        bool printed;
        std::array<float, 4> marginsAfter;
        bool modified;
    } cases[] = {
        {"margins inside the printable area", loFullCalendar, {0.5f, 0.5f, 0.5f, 0.5f}, false, {}, {},
         true, {0.5f, 0.5f, 0.5f, 0.5f}, false},
        {"margins exactly at the printer's minimum", loFullCalendar, {0.25f, 0.25f, 0.25f, 0.25f},
         false, {}, {}, true, {0.25f, 0.25f, 0.25f, 0.25f}, false},
        {"left outside, adjusted", loFullCalendar, {0.2f, 0.5f, 0.5f, 0.5f}, false, {true},
         {leftOnly}, true, {0.25f, 0.5f, 0.5f, 0.5f}, true},
        {"left outside, kept and printed", loFullCalendar, {0.2f, 0.5f, 0.5f, 0.5f}, false,
         {false, true}, {leftOnly, goOn}, true, {0.2f, 0.5f, 0.5f, 0.5f}, false},
        {"left outside, kept and not printed", loFullCalendar, {0.2f, 0.5f, 0.5f, 0.5f}, false,
         {false, false}, {leftOnly, goOn}, false, {0.2f, 0.5f, 0.5f, 0.5f}, false},
        {"every side outside, adjusted", loFullCalendar, {0.1f, 0.1f, 0.1f, 0.1f}, false, {true},
         {allSides}, true, {0.25f, 0.25f, 0.25f, 0.25f}, true},
        {"printer that cannot be read", loFullCalendar, {0.0f, 0.0f, 0.0f, 0.0f}, true, {}, {}, true,
         {0.0f, 0.0f, 0.0f, 0.0f}, false},
        // The landscape sheet's left strip is an inch, its top a quarter:
        // only a printer turned to landscape puts the fault on the left.
        {"landscape page on the turned sheet", LOFullCalendarLS, {0.5f, 0.5f, 0.5f, 0.5f}, false,
         {true}, {leftOnly}, true, {1.0f, 0.5f, 0.5f, 0.5f}, true},
    };
    sheets.landscape = letterSheet(true, 600, 150, 150, 150);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        newPage(c.layout, 0);
        setMargins(c.margins[0], c.margins[1], c.margins[2], c.margins[3]);
        w.SetModified(false);
        sheets.fails = c.unreadable;
        sheets.asked.clear();
        m_dialogs.questions.clear();
        m_dialogs.questionAnswers = c.answers;
        QFile::remove(pdf());
        answerPrintToPdf(pdf());

        w.mnuPrintCalendarClick();

        EXPECT_EQ(m_dialogs.questions, c.questions);
        EXPECT_TRUE(m_dialogs.questionAnswers.isEmpty());
        ASSERT_EQ(sheets.asked.size(), 1);
        EXPECT_EQ(sheets.asked[0], c.layout == LOFullCalendarLS ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
        EXPECT_EQ(QFileInfo::exists(pdf()), c.printed);
        const TCalendarPanel &page = w.CalendarPanel();
        EXPECT_EQ(page.LeftMarginInch(), c.marginsAfter[0]);
        EXPECT_EQ(page.TopMarginInch(), c.marginsAfter[1]);
        EXPECT_EQ(page.RightMarginInch(), c.marginsAfter[2]);
        EXPECT_EQ(page.BottomMarginInch(), c.marginsAfter[3]);
        EXPECT_EQ(w.Modified(), c.modified);
        EXPECT_TRUE(m_dialogs.informations.isEmpty()) << m_dialogs.informations.join('|').toStdString();
    }
}

TEST_F(Printing, CellEditResumesAfterPrintingWithItsTextAndCaret)
{
    TCalendarMain &w = start();
    newPage(loFullCalendar, 0);
    clickCell(12);
    typeText(QStringLiteral("Dentist"));
    const QPoint editorAt = w.editor()->pos();
    QTest::keyClick(w.editor()->textEdit(), Qt::Key_Home);
    answerPrintToPdf(pdf());

    printButton()->click();

    ASSERT_TRUE(QFileInfo::exists(pdf()));
    EXPECT_TRUE(pdfText(pdf()).contains(QStringLiteral("Dentist")));
    EXPECT_EQ(cellText(12), QStringLiteral("Dentist"));
    EXPECT_TRUE(w.editor()->isVisible());
    EXPECT_TRUE(w.editor()->hasEditorFocus());
    EXPECT_TRUE(w.EditorInUse());
    EXPECT_EQ(w.CurrentCell(), 12);
    EXPECT_EQ(w.editor()->pos(), editorAt);
    EXPECT_EQ(w.editor()->textEdit()->toPlainText(), QStringLiteral("Dentist"));
    // Typing goes on into the same cell, where the caret was.
    typeText(QStringLiteral("Dr "));
    w.DoSaveRichtext();
    EXPECT_EQ(cellText(12), QStringLiteral("Dr Dentist"));
    EXPECT_TRUE(w.Modified());

    // Margins widened for the printer move the cells: the editor follows.
    FakeSheets sheets;
    sheets.portrait = letterSheet(false, 600, 150, 150, 150); // an inch on the left
    w.setPrinterGeometrySource(&sheets);
    clickCell(8); // first column: it moves with the left margin
    const QPoint firstColumnAt = w.editor()->pos();
    m_dialogs.questionAnswers = {true};
    w.mnuPrintCalendarClick();
    EXPECT_TRUE(m_dialogs.questionAnswers.isEmpty());
    EXPECT_EQ(w.CalendarPanel().LeftMarginInch(), 1.0f);
    ASSERT_TRUE(w.editor()->isVisible());
    EXPECT_TRUE(w.editor()->hasEditorFocus());
    EXPECT_EQ(w.CurrentCell(), 8);
    const TRect free = w.CalendarPanel().MainAttributes().Cells[7].FreeRect;
    EXPECT_EQ(w.editor()->pos(), w.pageWidget()->pos() + QPoint(free.Left, free.Top));
    EXPECT_GT(w.editor()->pos().x(), firstColumnAt.x());
}

TEST_F(Printing, CancelledPrintDialogPrintsNothingAndLeavesTheEditCommitted)
{
    TCalendarMain &w = start();
    FakeSheets sheets;
    sheets.portrait = letterSheet(false, 600, 600, 600, 600); // would ask about every side
    w.setPrinterGeometrySource(&sheets);
    newPage(loFullCalendar, 0);
    clickCell(5);
    typeText(QStringLiteral("x"));
    m_dialogs.printAnswer = nullptr; // the user cancels

    w.mnuPrintCalendarClick();

    EXPECT_EQ(m_dialogs.printDialogs, QStringList{QStringLiteral("print | Letter")});
    EXPECT_TRUE(sheets.asked.isEmpty());
    EXPECT_TRUE(m_dialogs.questions.isEmpty());
    EXPECT_EQ(cellText(5), QStringLiteral("x"));
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_FALSE(w.EditorInUse());
    EXPECT_TRUE(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

TEST_F(Printing, FailureToStartPrintingIsShownAndTheCellsStayOnScreen)
{
    TCalendarMain &w = start();
    newPage(loFullCalendar, 0);
    w.pageWidget()->ensureComposed();
    const TRect cellOnScreen = screenCell(5);
    clickCell(5);
    typeText(QStringLiteral("x"));
    const QString unwritable = path(QStringLiteral("missing/page.pdf"));
    answerPrintToPdf(unwritable);

    w.mnuPrintCalendarClick();

    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("Unable to write to ") + unwritable});
    EXPECT_EQ(BusyCursorDepth(), 0);
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_EQ(cellText(5), QStringLiteral("x"));
    EXPECT_EQ(screenCell(5), cellOnScreen);
}

TEST_F(Printing, PrintSetupChecksForPrintersAgain)
{
    TCalendarMain &w = start();
    EXPECT_TRUE(w.PrinterAvailable());
    EXPECT_FALSE(action("mnuPrintSetup")->isEnabled()); // no page yet
    EXPECT_FALSE(action("mnuPrintCalendar")->isEnabled());
    newPage(LOFullCalendarLS, 1);
    EXPECT_TRUE(action("mnuPrintSetup")->isEnabled());
    EXPECT_TRUE(action("mnuPrintCalendar")->isEnabled());
    EXPECT_TRUE(printButton()->isEnabled());

    // The printers went away since the start.
    m_printers.installed.clear();
    action("mnuPrintSetup")->trigger();
    EXPECT_EQ(m_dialogs.printDialogs, QStringList{QStringLiteral("setup | A4")});
    EXPECT_EQ(m_dialogs.informations, QStringList{kNoPrinters});
    EXPECT_FALSE(w.PrinterAvailable());
    EXPECT_FALSE(action("mnuPrintCalendar")->isEnabled());
    EXPECT_FALSE(printButton()->isEnabled());
    EXPECT_TRUE(action("mnuPrintSetup")->isEnabled());
    // Print does nothing while there is no printer.
    w.mnuPrintCalendarClick();
    EXPECT_EQ(m_dialogs.printDialogs.size(), 1);

    // One is installed again, and chosen in the dialog.
    m_printers.installed = {QStringLiteral("Office")};
    m_dialogs.printSetupAnswer = [](QPrinter &) { return true; };
    action("mnuPrintSetup")->trigger();
    EXPECT_TRUE(w.PrinterAvailable());
    EXPECT_TRUE(action("mnuPrintCalendar")->isEnabled());
    EXPECT_TRUE(printButton()->isEnabled());
    EXPECT_EQ(m_dialogs.informations.size(), 1);
}

TEST_F(Printing, WithoutPrintersPrintStaysDisabledWithAPage)
{
    m_printers.installed.clear();
    m_printers.defaultName.clear();
    TCalendarMain &w = start();
    EXPECT_EQ(m_dialogs.informations, QStringList{kNoPrinters});
    newPage(loFullCalendar, 0);
    EXPECT_FALSE(w.PrinterAvailable());
    EXPECT_FALSE(action("mnuPrintCalendar")->isEnabled());
    EXPECT_FALSE(printButton()->isEnabled());
    EXPECT_TRUE(action("mnuPrintSetup")->isEnabled());
}

using BitmapExport = Printing;

TEST_F(BitmapExport, ProposesTheMonthOrTheFileNameInTheDataFolder)
{
    // An installed program cannot write beside itself: the user's data
    // folder is where the bitmap goes.
    SetProgramFolders(ProgramFolders(path(QStringLiteral("installed/bin")), path(QStringLiteral("user"))));
    TCalendarMain &w = start();
    m_dialogs.propertiesEdit = [](TCalendarPanel &page) {
        page.SetMainCalMonth(1);
        page.SetMainCalYear(1998);
    };
    newCalendar();
    const QString filter = QStringLiteral(" | Bitmap File (*.BMP);;PNG File (*.PNG)");
    w.mnuSaveAsBitmapClick();
    EXPECT_EQ(m_dialogs.fileDialogs.constLast(), QStringLiteral("Save Calendar As Bitmap | ")
                                                     + path(QStringLiteral("user/Jan1998.BMP")) + filter);

    ASSERT_TRUE(w.SaveCalendarFile(path(QStringLiteral("Holidays.QLF"))));
    w.mnuSaveAsBitmapClick();
    EXPECT_EQ(m_dialogs.fileDialogs.constLast(), QStringLiteral("Save Calendar As Bitmap | ")
                                                     + path(QStringLiteral("user/Holidays.BMP")) + filter);
}

TEST_F(BitmapExport, ImageHasThePageSizeAtTheCurrentZoom)
{
    TCalendarMain &w = start();
    newPage(loFullCalendar, 0);
    struct Case
    {
        int zoom;
        const char *file;
        const char *format;
        QSize size;
    } cases[] = {
        {70, "at70.BMP", "BMP", QSize(571, 739)},
        {100, "at100.BMP", "BMP", QSize(816, 1056)},
        {100, "at100.PNG", "PNG", QSize(816, 1056)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        while (w.CalendarPanel().Magnification() < c.zoom)
            w.ZoomPlusButtonClick();
        ASSERT_EQ(w.CalendarPanel().Magnification(), c.zoom);
        const QString file = path(QString::fromLatin1(c.file));
        m_dialogs.saveAnswers << file;
        w.mnuSaveAsBitmapClick();
        const QImage image(file, c.format);
        EXPECT_EQ(image.size(), c.size);
    }
}

TEST_F(BitmapExport, DayPlannerImageStartsAtEightWhateverTheStartTime)
{
    TCalendarMain &w = start();
    newPage(loDay10, 0);
    TCalendarPanel &page = w.CalendarPanel();
    page.SetStartTime(EncodeTime(9, 0));
    const QImage atNine = page.PaintImage();
    const QString file = path(QStringLiteral("day.BMP"));
    m_dialogs.saveAnswers << file;

    w.mnuSaveAsBitmapClick();

    const QImage saved = QImage(file, "BMP").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(page.StartTime(), EncodeTime(9, 0));
    page.SetStartTime(EncodeTime(8, 0));
    const QImage atEight = page.PaintImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), atEight.size());
    EXPECT_TRUE(saved == atEight);
    EXPECT_FALSE(saved == atNine.convertToFormat(QImage::Format_RGB32));
}
