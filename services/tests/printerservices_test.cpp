#include "printerservices.h"
#include "printersystem.h"
#include "systemprinters.h"

#include <QFontInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ql;

namespace {

class FakePrinters : public PrinterSystem
{
public:
    FakePrinters(QStringList installed, QString fallback)
        : m_installed(std::move(installed)), m_default(std::move(fallback))
    {
    }
    QStringList installedPrinters() const override { return m_installed; }
    QString defaultPrinter() const override { return m_default; }

private:
    QStringList m_installed;
    QString m_default;
};

const QString NoPrinters = QStringLiteral(
    "There are no installed printers.\r\nUnable to perform printer related operations");
const QString NoDefault = QStringLiteral(
    "There is no default printer selected.\r\nUnable to perform printer related operations");

TEST(PrinterChecks, WhichMessageForWhichMachine)
{
    struct Case
    {
        const char *name;
        QStringList installed;
        QString fallback;
        QString current;
        PrinterStatus status;
        QString usable;
    };
    const Case cases[] = {
        {"no printers", {}, "", "", PrinterStatus::NoPrinters, ""},
        {"no printers, stale default", {}, "Laser", "Laser", PrinterStatus::NoPrinters, ""},
        {"printers, no default, none selected",
         {"Laser", "Inkjet"},
         "",
         "",
         PrinterStatus::NoDefault,
         ""},
        {"default that is not installed", {"Laser"}, "Gone", "", PrinterStatus::NoDefault, ""},
        {"default selected on demand",
         {"Laser", "Inkjet"},
         "Inkjet",
         "",
         PrinterStatus::Ready,
         "Inkjet"},
        {"current printer kept",
         {"Laser", "Inkjet"},
         "Inkjet",
         "Laser",
         PrinterStatus::Ready,
         "Laser"},
        {"current printer without a default",
         {"Laser"},
         "",
         "Laser",
         PrinterStatus::Ready,
         "Laser"},
        {"removed current printer falls back",
         {"Inkjet"},
         "Inkjet",
         "Laser",
         PrinterStatus::Ready,
         "Inkjet"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const FakePrinters printers(c.installed, c.fallback);
        EXPECT_EQ(CheckPrinters(printers, c.current), c.status);
        EXPECT_EQ(UsablePrinter(printers, c.current), c.usable);
    }
    EXPECT_EQ(PrinterStatusMessage(PrinterStatus::NoPrinters), NoPrinters);
    EXPECT_EQ(PrinterStatusMessage(PrinterStatus::NoDefault), NoDefault);
    EXPECT_EQ(PrinterStatusMessage(PrinterStatus::Ready), QString());
}

TEST(PrinterChecks, PresentCheckTellsTheUserOnceAndFails)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (const auto &[printers, message] : {std::pair{FakePrinters({}, ""), NoPrinters},
                                            std::pair{FakePrinters({"Laser"}, ""), NoDefault}}) {
        QStringList told;
        EXPECT_FALSE(PrinterPresentCheck(printer, printers,
                                         [&](const QString &text) { told.append(text); }));
        EXPECT_EQ(told, QStringList{message});
        EXPECT_FALSE(DefaultPrinterCheck(printer, printers));
    }
}

// On this machine: with no printer installed (a build server) the real
// check must say so, the documented behaviour of a machine without printers.
TEST(PrinterChecks, ThisMachineWithoutPrinters)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    QPrinter printer;
    QStringList told;
    EXPECT_FALSE(PrinterPresentCheck(printer, SystemPrinters(),
                                     [&](const QString &text) { told.append(text); }));
    EXPECT_EQ(told, QStringList{NoPrinters});
}

TEST(PrinterPaper, LetterAndA4ByTheirSystemCodes)
{
    EXPECT_EQ(PaperSizeCode(0), dmPaperLetter);
    EXPECT_EQ(PaperSizeCode(1), dmPaperA4);

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_TRUE(SetPrinterPaperSize(printer, dmPaperA4));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    ASSERT_TRUE(SetPrinterPaperSize(printer, dmPaperLetter));
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    EXPECT_FALSE(SetPrinterPaperSize(printer, 5)); // legal: not a page size of ours
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
}

TEST(PrinterFont, KeepsPointsAndTakesThePrintersResolution)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    printer.setResolution(600);
    QPainter painter(&printer);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSize(12);
    painter.setFont(font);
    PrinterFontResolution(painter);
    EXPECT_EQ(painter.font().pointSize(), 12);
    // 12 points at 600 pixels per inch: 100 pixels.
    EXPECT_NEAR(painter.fontInfo().pixelSize(), 100, 1);
    painter.end();
}

} // namespace
