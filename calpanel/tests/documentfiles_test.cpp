#include "calendarpanel.h"
#include "documentformat.h"
#include "error.h"
#include "imagefile.h"
#include "testutil.h"
#include "tinydisk.h"
#include "valuestream.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

using namespace ql;

namespace {

const QByteArray kEmptyCell = QByteArray::fromHex("54504630" "0D5457505274665374" "6F72616765" "0000" "00");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

void typeInto(CellStorage &s, const QString &text)
{
    QTextCursor(&s.document()).insertText(text);
}

QString cellText(const TCalendarPanel &page, int i)
{
    return page.CellStorage(i).document().toPlainText();
}

// The pieces of a calendar file, for building damaged variants.
struct FileParts
{
    int version = 1, kind = kCalendarFileKind;
    std::function<void(ValueWriter &)> settings = [](ValueWriter &w) { WriteSettings(w, PageSettings()); };
    std::function<void(ValueWriter &)> date = [](ValueWriter &w) {
        for (int v : {5, 1, 1997, 1, 8, 0})
            w.writeInteger(v);
    };
    std::function<void(ValueWriter &, int)> cell = [](ValueWriter &w, int) { w.writeRaw(kEmptyCell); };
    QByteArray tail = QByteArray(1, '\0');
};

QByteArray build(const FileParts &p)
{
    ValueWriter w;
    w.writeListStart();
    w.writeInteger(p.version);
    w.writeInteger(p.kind);
    p.settings(w);
    p.date(w);
    for (int i = 1; i <= 42; ++i)
        p.cell(w, i);
    w.writeRaw(p.tail);
    return w.data();
}

class DocumentFiles : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(DocumentFiles, EmptyPageIsExactToTheByte)
{
    TCalendarPanel page;
    page.SaveToCalendarFile(path("empty.qlf"));
    const QByteArray data = readFile(path("empty.qlf"));
    EXPECT_TRUE(data.startsWith(QByteArray::fromHex("0102010201" "0200" "0200" "0219" "0219" "0219" "0219" "0200")));
    // The date, week start and 8:00, then 42 empty cells of 21 bytes and the end.
    const QByteArray tail = QByteArray::fromHex("0200" "0201" "03cd07" "0201" "0208" "0200") + kEmptyCell.repeated(42) + QByteArray(1, '\0');
    EXPECT_TRUE(data.endsWith(tail));

    page.SaveToStyleSheet(path("empty.qls"));
    const QByteArray sheet = readFile(path("empty.qls"));
    EXPECT_TRUE(sheet.startsWith(QByteArray::fromHex("0102010202" "0200" "0200")));
    EXPECT_TRUE(sheet.endsWith(QByteArray::fromHex("0201" "00"))); // cnpUpperRight, end of list
    // The calendar file is the style sheet's body with the date and cells added.
    EXPECT_EQ(data.mid(5, sheet.size() - 6), sheet.mid(5, sheet.size() - 6));
}

TEST_F(DocumentFiles, EverySettingDateAndCellSurvivesASaveAndLoad)
{
    TCalendarPanel page;
    page.SetCalendarLayout(loFC6Before6AfterLS);
    page.SetPaperSize(1);
    page.SetMainCalMonth(7);
    page.SetMainCalYear(2027);
    page.SetMainCalDay(19);
    page.SetStartOfWeek(2);
    page.SetStartTime(EncodeTime(9, 45));
    page.SetTitleFont({"Arial", 30, fsItalic | fsUnderline, clWindowText});
    page.SetMiniCellFont({"Liberation Mono", 7, fsStrikeOut | fsBold, 0x123456});
    page.SetHeadersStyle(dsFirstChar);
    page.SetCalendarLineLayout(llHeadersAndCells);
    page.SetCellBorder(cbBottom);
    page.SetMiniCalendarLineLayout(mllMinimal);
    page.SetTitleBGColor(0x00FFEE);
    page.SetNumberPosition(cnpCenter);
    page.SetMiniShowYear(false);
    page.SetMonthName(1, QString(300, QLatin1Char('J'))); // a long string
    page.SetMonthName(2, QStringLiteral("Février"));      // Windows-1252
    page.SetDayName(2, QStringLiteral("Понедельник"));    // beyond Windows-1252
    const float margins[4] = {0.75f, 1.0f, 1.25f, 1.5f};
    page.SetLeftMarginInch(margins[0]);
    page.SetTopMarginInch(margins[1]);
    page.SetRightMarginInch(margins[2]);
    page.SetBottomMarginInch(margins[3]);
    typeInto(page.CellStorage(1), QStringLiteral("first"));
    typeInto(page.CellStorage(42), QStringLiteral("last ü €"));
    page.SaveToCalendarFile(path("full.qlf"));

    TCalendarPanel back;
    typeInto(back.CellStorage(5), QStringLiteral("stays"));
    back.LoadFromCalendarFile(path("full.qlf"));
    EXPECT_EQ(back.Settings().TitleFont, page.Settings().TitleFont);
    EXPECT_EQ(back.Settings().MiniCellFont, page.Settings().MiniCellFont);
    EXPECT_TRUE(back.SettingsEqual(page));
    EXPECT_EQ(back.CellBorder(), cbBottom); // borders come from the file, not from the preset
    EXPECT_EQ(back.NumberPosition(), cnpCenter);
    EXPECT_EQ(back.StartOfWeek(), 2);
    EXPECT_EQ(back.CalendarOrientation(), coLandscape);
    EXPECT_EQ(cellText(back, 1), "first");
    EXPECT_EQ(cellText(back, 42), "last ü €");
    // Empty records leave a cell as it was; callers empty the page first.
    EXPECT_EQ(cellText(back, 5), "stays");
    EXPECT_FLOAT_EQ(back.LeftMarginInch(), 0.75f);
    EXPECT_FLOAT_EQ(back.BottomMarginInch(), 1.5f);
}

TEST_F(DocumentFiles, EncodingRules)
{
    ValueWriter w;
    w.writeInteger(127);
    w.writeInteger(-129);
    w.writeInteger(40000);
    w.writeInteger(clWindowText);
    w.writeString(QString(300, QLatin1Char('x')));
    EXPECT_EQ(w.data().left(15), QByteArray::fromHex("027f" "037fff" "04409c0000" "0408000080"));
    EXPECT_EQ(w.data().mid(15, 5), QByteArray::fromHex("0c2c010000"));

    ValueReader r(w.data());
    EXPECT_EQ(r.readInteger(), 127);
    EXPECT_EQ(r.readInteger(), -129);
    EXPECT_EQ(r.readInteger(), 40000);
    EXPECT_EQ(r.readInteger(), clWindowText);
    EXPECT_EQ(r.readString().size(), 300);
    EXPECT_TRUE(r.atEnd());

    const QByteArray bools = QByteArray::fromHex("09" "08" "07");
    ValueReader b(bools);
    EXPECT_TRUE(b.readBoolean());
    EXPECT_FALSE(b.readBoolean());
    EXPECT_FALSE(b.readBoolean()); // any other byte is false, without error
    EXPECT_TRUE(b.atEnd());

    EXPECT_EQ(MarginToHundredths(0.25f), 25);
    EXPECT_EQ(MarginToHundredths(0.29f), 28);
}

TEST_F(DocumentFiles, OddButReadableFiles)
{
    // Only the low 16 bits of the start hour count; bytes after the end are ignored.
    FileParts p;
    p.date = [](ValueWriter &w) {
        for (int v : {5, 1, 1997, 1})
            w.writeInteger(v);
        w.writeRaw(QByteArray::fromHex("0408000100")); // 65544
        w.writeInteger(30);
    };
    p.tail = QByteArray::fromHex("00DEADBEEF");
    writeFile(path("odd.qlf"), build(p));
    TCalendarPanel page;
    page.LoadFromCalendarFile(path("odd.qlf"));
    int h = 0, m = 0;
    DecodeTime(page.StartTime(), h, m);
    EXPECT_EQ(h, 8);
    EXPECT_EQ(m, 30);
}

TEST_F(DocumentFiles, DamagedFilesAreRejectedAndChangeNothing)
{
    struct Case
    {
        const char *name;
        std::function<void(FileParts &)> damage;
    } cases[] = {
        {"style sheet kind", [](FileParts &p) { p.kind = kStyleSheetKind; }},
        {"unknown layout", [](FileParts &p) {
             p.settings = [](ValueWriter &w) {
                 PageSettings s;
                 s.CalendarLayout = static_cast<TCalendarLayout>(22);
                 WriteSettings(w, s);
             };
         }},
        {"unknown border", [](FileParts &p) {
             p.settings = [](ValueWriter &w) {
                 PageSettings s;
                 s.CellBorder = static_cast<TCalBorderStyle>(5);
                 WriteSettings(w, s);
             };
         }},
        {"font size 0", [](FileParts &p) {
             p.settings = [](ValueWriter &w) {
                 PageSettings s;
                 s.CellFont.Size = 0;
                 WriteSettings(w, s);
             };
         }},
        {"month 13", [](FileParts &p) {
             p.date = [](ValueWriter &w) {
                 for (int v : {5, 13, 1997, 1, 8, 0})
                     w.writeInteger(v);
             };
         }},
        {"year 0", [](FileParts &p) {
             p.date = [](ValueWriter &w) {
                 for (int v : {5, 1, 0, 1, 8, 0})
                     w.writeInteger(v);
             };
         }},
        {"hour 24", [](FileParts &p) {
             p.date = [](ValueWriter &w) {
                 for (int v : {5, 1, 1997, 1, 24, 0})
                     w.writeInteger(v);
             };
         }},
        {"minute 60", [](FileParts &p) {
             p.date = [](ValueWriter &w) {
                 for (int v : {5, 1, 1997, 1, 8, 60})
                     w.writeInteger(v);
             };
         }},
        {"text where a number belongs", [](FileParts &p) {
             p.date = [](ValueWriter &w) { w.writeString(QStringLiteral("5")); };
         }},
        {"no signature", [](FileParts &p) {
             p.cell = [](ValueWriter &w, int i) { w.writeRaw(i == 7 ? QByteArray("TPF1") + kEmptyCell.mid(4) : kEmptyCell); };
         }},
        {"component name", [](FileParts &p) {
             p.cell = [](ValueWriter &w, int) {
                 w.writeRaw("TPF0");
                 w.writeShortName("TWPRtfStorage");
                 w.writeShortName("Cell");
                 w.writeRaw(QByteArray(2, '\0'));
             };
         }},
        {"unknown property", [](FileParts &p) {
             p.cell = [](ValueWriter &w, int i) {
                 if (i != 42)
                     return w.writeRaw(kEmptyCell);
                 w.writeRaw("TPF0");
                 w.writeShortName("TWPRtfStorage");
                 w.writeShortName("");
                 w.writeShortName("Color");
                 w.writeInteger(1);
                 w.writeRaw(QByteArray(2, '\0'));
             };
         }},
        {"sub-record", [](FileParts &p) {
             p.cell = [](ValueWriter &w, int) { w.writeRaw(kEmptyCell.left(20) + "TPF0"); };
         }},
        {"binary longer than the file", [](FileParts &p) {
             p.cell = [](ValueWriter &w, int) {
                 w.writeRaw("TPF0");
                 w.writeShortName("TWPRtfStorage");
                 w.writeShortName("");
                 w.writeShortName("RtfText.Data");
                 w.writeRaw(QByteArray::fromHex("0Affffff7f") + "{\\rtf1 x}");
             };
         }},
        {"string longer than the file", [](FileParts &p) {
             p.settings = [](ValueWriter &w) {
                 for (int v : {0, 0, 25, 25, 25, 25, 0, 1, 0})
                     w.writeInteger(v);
                 w.writeRaw(QByteArray::fromHex("0cffffff7f") + "January");
             };
         }},
        {"no end of list", [](FileParts &p) { p.tail.clear(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FileParts p;
        c.damage(p);
        writeFile(path("bad.qlf"), build(p));
        TCalendarPanel page;
        typeInto(page.CellStorage(3), QStringLiteral("kept"));
        page.SetMainCalMonth(4);
        EXPECT_THROW(page.LoadFromCalendarFile(path("bad.qlf")), ql::Error);
        EXPECT_EQ(page.MainCalMonth(), 4);
        EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
        EXPECT_EQ(cellText(page, 3), "kept");
    }
}

TEST_F(DocumentFiles, TruncatedFilesNeverLoad)
{
    TCalendarPanel page;
    typeInto(page.CellStorage(2), QStringLiteral("some text"));
    page.SaveToCalendarFile(path("whole.qlf"));
    const QByteArray whole = readFile(path("whole.qlf"));
    for (int n = 0; n < whole.size(); n += n < 400 ? 1 : 13) {
        SCOPED_TRACE(n);
        writeFile(path("cut.qlf"), whole.left(n));
        TCalendarPanel other;
        EXPECT_THROW(other.LoadFromCalendarFile(path("cut.qlf")), ql::Error);
    }
}

TEST_F(DocumentFiles, StyleSheets)
{
    TCalendarPanel source;
    source.SetCalendarLayout(loMC12Month);
    source.SetMainCalMonth(9);
    source.SetCalendarLineLayout(llFull);
    source.SetCalendarBorder(cbNone);
    for (int m = 1; m <= 12; ++m)
        source.SetMonthName(m, QStringLiteral("mois %1").arg(m));
    source.SaveToStyleSheet(path("style.qls"));

    TCalendarPanel target;
    target.SetMainCalMonth(3);
    target.SetStartOfWeek(2);
    target.LoadFromStyleSheet(path("style.qls"));
    target.LayoutPage(false);
    EXPECT_EQ(target.CalendarLayout(), loMC12Month);
    EXPECT_EQ(target.CalendarBorder(), cbNone);
    EXPECT_EQ(target.Names().month(5), "mois 5");
    EXPECT_EQ(target.MainCalMonth(), 3); // date and week start are not in a style sheet
    EXPECT_EQ(target.StartOfWeek(), 2);

    // Each format refuses the other.
    source.SaveToCalendarFile(path("cal.qlf"));
    EXPECT_THROW(target.LoadFromStyleSheet(path("cal.qlf")), ql::Error);
    EXPECT_THROW(target.LoadFromCalendarFile(path("style.qls")), ql::Error);
    EXPECT_THROW(target.LoadFromStyleSheet(path("missing.qls")), ql::Error);
}

TEST_F(DocumentFiles, FailedSaveReportsTheFile)
{
    writeFile(path("plain"), "x");
    TCalendarPanel page;
    try {
        page.SaveToCalendarFile(path("plain/inside.qlf"));
        FAIL() << "saving under a file must fail";
    } catch (const ql::Error &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Unable to write to ") + path("plain/inside.qlf")));
    }
    EXPECT_EQ(readFile(path("plain")), "x");
}

TEST_F(DocumentFiles, CommittedSamplesLoad)
{
    const QString data = QStringLiteral(QL_TEST_DATA "/documents/");
    TCalendarPanel page;
    page.LoadFromCalendarFile(data + "pictures.qlf");
    // Every fifth cell holds two paragraphs of text and a picture.
    for (int i = 1; i <= 42; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(page.CellStorage(i).isEmpty(), (i - 1) % 5 != 0);
    }
    EXPECT_TRUE(cellText(page, 6).startsWith(QStringLiteral("Meeting at 10")));
    EXPECT_TRUE(page.CellStorage(6).document().toHtml().contains(QLatin1String("<img")));

    page.LoadFromCalendarFile(data + "week.qlf");
    EXPECT_EQ(page.CalendarLayout(), loWeek);
    EXPECT_EQ(page.MainCalDay(), 6);
    page.LoadFromStyleSheet(data + "landscape.qls");
    page.LayoutPage(false);
    EXPECT_EQ(page.CalendarLayout(), loFC6Before6AfterLS);
    EXPECT_EQ(page.PageWidth(), 1122);
}

TEST_F(DocumentFiles, FullDiskKeepsTheOldFiles)
{
    TinyDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    TCalendarPanel page;
    const QString qlf = disk.filePath(QStringLiteral("old.qlf"));
    const QString png = disk.filePath(QStringLiteral("old.png"));
    page.SaveToCalendarFile(qlf);
    QString error;
    ASSERT_TRUE(SaveImageFile(QImage(4, 4, QImage::Format_RGB32), png, error));
    const QByteArray oldQlf = readFile(qlf), oldPng = readFile(png);
    writeFile(disk.filePath(QStringLiteral("filler")), QByteArray(40 * 1024, 'x'));

    page.LoadFromCalendarFile(QStringLiteral(QL_TEST_DATA "/documents/pictures.qlf")); // 60 KB of cells
    EXPECT_THROW(page.SaveToCalendarFile(qlf), ql::Error);
    EXPECT_EQ(readFile(qlf), oldQlf);
    QImage noise(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) & 255, (x * y) & 255, (x ^ y) & 255));
    EXPECT_FALSE(SaveImageFile(noise, png, error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to ") + png);
    EXPECT_EQ(readFile(png), oldPng);
}
