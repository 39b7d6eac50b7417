// Calendar files (*.QLF) and style sheets (*.QLS) of a page.
//
// Calendar file:  01, int 1 (format), int 1 (kind), the settings block,
//                 int MainCalDay, int MainCalMonth, int MainCalYear,
//                 int StartOfWeek, int start hour, int start minute,
//                 42 cell records, 00.
// Style sheet:    01, int 1 (format), int 2 (kind), the settings block, 00.
//
// A cell record:  "TPF0", short name "TWPRtfStorage", short name "" (the
//                 component name), then properties until a 00 byte - only
//                 "RtfText.Data" as binary holding the cell's RTF followed by
//                 four zero bytes, and only for a cell that is not empty - and
//                 a final 00 (no sub-records). An empty cell is 21 bytes.
//
// Reading is all or nothing: the page changes only once the whole file has
// been read and checked, so a damaged file never leaves a half-loaded page.

#include "calendarpanel.h"
#include "documentformat.h"
#include "error.h"
#include "savefile.h"
#include "valuestream.h"

#include <QFile>
#include <vector>

namespace ql {

namespace {

// Larger than any calendar a person makes, small enough to read in one go.
constexpr qint64 kMaxDocumentBytes = 256 * 1024 * 1024;

const QByteArray kSignature("TPF0");
const QByteArray kClassName("TWPRtfStorage");
const QByteArray kTextProperty("RtfText.Data");

QByteArray readWholeFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Unable to open %1: %2").arg(fileName, f.errorString()));
    if (f.size() > kMaxDocumentBytes)
        throw Error(QStringLiteral("%1 is too large to be a calendar document.").arg(fileName));
    const QByteArray data = f.read(kMaxDocumentBytes + 1);
    if (f.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Unable to read %1: %2").arg(fileName, f.errorString()));
    return data;
}

void readHeader(ValueReader &r, int expectedKind)
{
    r.readListStart();
    r.readInteger(); // format version: every version so far is 1
    const int kind = r.readInteger();
    if (kind != expectedKind) {
        throw Error(expectedKind == kCalendarFileKind ? QStringLiteral("This is not a calendar file.")
                                                      : QStringLiteral("This is not a style sheet."));
    }
}

void writeCellRecord(ValueWriter &w, const CellStorage &cell)
{
    w.writeRaw(kSignature);
    w.writeShortName(kClassName);
    w.writeShortName(QByteArray());
    if (!cell.isEmpty()) {
        w.writeShortName(kTextProperty);
        w.writeBinary(cell.toRtf() + QByteArray(4, '\0'));
    }
    w.writeListEnd(); // properties
    w.writeListEnd(); // sub-records
}

// Returns whether the record carried text; a record without leaves the cell as it was.
bool readCellRecord(ValueReader &r, CellStorage &cell)
{
    if (r.readRaw(4) != kSignature)
        throw Error(QStringLiteral("A cell of the file is damaged (no TPF0 signature)."));
    r.readShortName(); // class name, not checked
    if (!r.readShortName().isEmpty())
        throw Error(QStringLiteral("A cell of the file has an unexpected name."));
    bool hasText = false;
    while (r.peekByte() != vaNull) {
        const QByteArray property = r.readShortName();
        if (property != kTextProperty)
            throw Error(QStringLiteral("A cell of the file has an unknown property."));
        QByteArray rtf = r.readBinary();
        qsizetype n = rtf.size();
        while (n > 0 && rtf.at(n - 1) == '\0')
            --n;
        cell.fromRtf(QByteArray::fromRawData(rtf.constData(), n));
        hasText = true;
    }
    r.readListEnd();
    if (r.peekByte() != vaNull)
        throw Error(QStringLiteral("A cell of the file holds unexpected records."));
    r.readListEnd();
    return hasText;
}

void checkDate(int day, int month, int year)
{
    if (month < 1 || month > 12)
        throw Error(QStringLiteral("The file holds an impossible month (%1).").arg(month));
    if (year < 1 || year > 9999)
        throw Error(QStringLiteral("The file holds an impossible year (%1).").arg(year));
    if (day < 0 || day > 31)
        throw Error(QStringLiteral("The file holds an impossible day (%1).").arg(day));
}

} // namespace

void TCalendarPanel::SaveToCalendarFile(const QString &fileName) const
{
    ValueWriter w;
    w.writeListStart();
    w.writeInteger(1);
    w.writeInteger(kCalendarFileKind);
    WriteSettings(w, m_s);
    w.writeInteger(m_s.MainCalDay);
    w.writeInteger(m_s.MainCalMonth);
    w.writeInteger(m_s.MainCalYear);
    w.writeInteger(m_s.StartOfWeek);
    int hour = 0, minute = 0;
    DecodeTime(m_s.StartTime, hour, minute);
    w.writeInteger(hour);
    w.writeInteger(minute);
    for (const auto &cell : m_cells)
        writeCellRecord(w, cell);
    w.writeListEnd();
    WriteFileSafely(fileName, w.data());
}

void TCalendarPanel::LoadFromCalendarFile(const QString &fileName)
{
    LoadCalendarData(readWholeFile(fileName));
}

void TCalendarPanel::LoadCalendarData(const QByteArray &data)
{
    ValueReader r(data);
    readHeader(r, kCalendarFileKind);
    PageSettings s = m_s;
    ReadSettings(r, s);
    s.MainCalDay = r.readInteger();
    s.MainCalMonth = r.readInteger();
    s.MainCalYear = r.readInteger();
    checkDate(s.MainCalDay, s.MainCalMonth, s.MainCalYear);
    s.StartOfWeek = r.readInteger();
    const int hour = r.readInteger() & 0xFFFF;
    const int minute = r.readInteger() & 0xFFFF;
    if (hour >= 24 || minute >= 60)
        throw Error(QStringLiteral("The file holds an impossible start time."));
    s.StartTime = EncodeTime(hour, minute);

    std::vector<ql::CellStorage> cells(kCellCount);
    std::vector<bool> read(kCellCount, false);
    for (int i = 0; i < kCellCount; ++i)
        read[static_cast<size_t>(i)] = readCellRecord(r, cells[static_cast<size_t>(i)]);
    r.readListEnd(); // anything after the end is not read

    m_s = s;
    for (int i = 0; i < kCellCount; ++i) {
        if (read[static_cast<size_t>(i)])
            m_cells[static_cast<size_t>(i)].swap(cells[static_cast<size_t>(i)]);
    }
    LayoutPage(false);
}

void TCalendarPanel::SaveToStyleSheet(const QString &fileName) const
{
    ValueWriter w;
    w.writeListStart();
    w.writeInteger(1);
    w.writeInteger(kStyleSheetKind);
    WriteSettings(w, m_s);
    w.writeListEnd();
    WriteFileSafely(fileName, w.data());
}

void TCalendarPanel::LoadFromStyleSheet(const QString &fileName)
{
    LoadStyleSheetData(readWholeFile(fileName));
}

void TCalendarPanel::LoadStyleSheetData(const QByteArray &data)
{
    ValueReader r(data);
    readHeader(r, kStyleSheetKind);
    PageSettings s = m_s;
    ReadSettings(r, s);
    r.readListEnd();
    // The caller lays the page out again.
    m_s = s;
    invalidate();
}

} // namespace ql
