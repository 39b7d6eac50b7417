#include "error.h"
#include "notestore.h"
#include "traytestutil.h"
#include "windows1252.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace ql;
using traytest::readFile;
using traytest::writeFile;

namespace {

struct NotesFolder
{
    QTemporaryDir dir;
    NoteStore store{dir.path() + QStringLiteral("/Notes")};
    NotesFolder() { store.createFolder(); }
};

} // namespace

TEST(NoteStore, FileNamesAreTheDateAsEightDigits)
{
    const NoteStore store(QStringLiteral("/data/Notes"));
    EXPECT_EQ(store.folder(), QStringLiteral("/data/Notes/"));
    EXPECT_EQ(store.fileName(QDate(1997, 12, 9)), QStringLiteral("/data/Notes/19971209.txt"));
    EXPECT_EQ(store.fileName(QDate(5, 1, 2)), QStringLiteral("/data/Notes/00050102.txt"));
    EXPECT_EQ(store.fileName(QDate(9999, 12, 31)), QStringLiteral("/data/Notes/99991231.txt"));
}

TEST(NoteStore, CreatesTheFolderOnceWithItsParents)
{
    QTemporaryDir dir;
    const NoteStore store(dir.path() + QStringLiteral("/a/b/Notes"));
    EXPECT_TRUE(store.createFolder());
    EXPECT_TRUE(QFileInfo(store.folder()).isDir());
    EXPECT_FALSE(store.createFolder());
}

TEST(Windows1252, EveryByteComesBackAndTheHighRangeHasItsCharacters)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = Windows1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined bytes stay control characters
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(Windows1252::encode(text), all);
    EXPECT_FALSE(Windows1252::encode(QStringLiteral("\u20AC \u0416")).has_value());
    EXPECT_FALSE(Windows1252::encode(QString(QChar(0x0080))).has_value()); // not in the code page
}

TEST(NoteStore, TextIsWindows1252UnlessItCannotBe)
{
    struct Case
    {
        const char *name;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"plain", QStringLiteral("Dentist 10:30"), QByteArray("Dentist 10:30")},
        {"accents and euro", QStringLiteral("caf\u00E9 5 \u20AC"), QByteArray("caf\xE9 5 \x80")},
        {"line breaks become CR LF, none added", QStringLiteral("a\nb"), QByteArray("a\r\nb")},
        {"a typed trailing line break stays", QStringLiteral("a\n"), QByteArray("a\r\n")},
        {"Cyrillic needs UTF-8 with a mark", QStringLiteral("\u0417\u0430\u043C\u0435\u0442\u043A\u0430"),
         QByteArray("\xEF\xBB\xBF\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB0")},
        {"one odd character makes the whole note UTF-8", QStringLiteral("\u00E9\n\u65E5"),
         QByteArray("\xEF\xBB\xBF\xC3\xA9\r\n\xE6\x97\xA5")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NoteStore::encodeText(c.text), c.bytes);
        EXPECT_EQ(NoteStore::decodeText(c.bytes), c.text);
    }
}

TEST(NoteStore, ReadingAcceptsEveryLineBreakAndUtf8WithoutTheMark)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"LF only", QByteArray("one\ntwo\n"), QStringLiteral("one\ntwo\n")},
        {"CR only", QByteArray("one\rtwo"), QStringLiteral("one\ntwo")},
        {"mixed", QByteArray("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd")},
        {"UTF-8 from another editor", QByteArray("caf\xC3\xA9"), QStringLiteral("caf\u00E9")},
        {"Windows-1252 that is no UTF-8", QByteArray("caf\xE9"), QStringLiteral("caf\u00E9")},
        {"broken UTF-8 after the mark", QByteArray("\xEF\xBB\xBF" "a\xFF"),
         QStringLiteral("a\uFFFD")},
        {"empty", QByteArray(), QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NoteStore::decodeText(c.bytes), c.text);
    }
}

TEST(NoteStore, BlankMeansNothingAboveCode32)
{
    EXPECT_TRUE(NoteStore::isBlank(QString()));
    EXPECT_TRUE(NoteStore::isBlank(QStringLiteral(" \t\n\n  \r\n")));
    EXPECT_TRUE(NoteStore::isBlank(QString(QChar(0x1F))));
    EXPECT_FALSE(NoteStore::isBlank(QStringLiteral("\n  .")));
    EXPECT_FALSE(NoteStore::isBlank(QString(QChar(0xA0)))); // a non-breaking space counts
}

TEST(NoteStore, SavesLoadsAndRemovesNotes)
{
    NotesFolder f;
    const QDate date(1997, 3, 5);
    EXPECT_FALSE(f.store.hasNote(date));
    EXPECT_EQ(f.store.load(date), QString());

    f.store.save(date, QStringLiteral("Buy milk\n\u20AC 3"));
    EXPECT_TRUE(f.store.hasNote(date));
    EXPECT_EQ(readFile(f.store.fileName(date)), QByteArray("Buy milk\r\n\x80 3"));
    EXPECT_EQ(f.store.load(date), QStringLiteral("Buy milk\n\u20AC 3"));

    f.store.save(date, QStringLiteral("short"));
    EXPECT_EQ(readFile(f.store.fileName(date)), QByteArray("short"));
    EXPECT_EQ(QDir(f.store.folder()).entryList(QDir::Files), QStringList{"19970305.txt"});

    EXPECT_TRUE(f.store.remove(date));
    EXPECT_FALSE(f.store.hasNote(date));
    EXPECT_FALSE(f.store.remove(date));
}

TEST(NoteStore, AFolderOrADeviceNamedLikeANoteIsNoNote)
{
    NotesFolder f;
    const QDate date(1997, 3, 6);
    QDir().mkpath(f.store.fileName(date));
    EXPECT_FALSE(f.store.hasNote(date));
    EXPECT_THROW(f.store.save(date, QStringLiteral("x")), Error);
    EXPECT_THROW(f.store.load(date), Error);
}

TEST(NoteStore, HugeAndBinaryFilesNeitherHangNorExhaustMemory)
{
    NotesFolder f;
    const QDate huge(1997, 3, 7);
    QFile big(f.store.fileName(huge));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(2LL * 1024 * 1024 * 1024)); // a sparse 2 GiB file
    big.close();
    try {
        f.store.load(huge);
        FAIL() << "a 2 GiB note was read";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), NoteStore::tooLargeMessage());
    }

    const QDate limit(1997, 3, 8);
    writeFile(f.store.fileName(limit), QByteArray(NoteStore::MaxNoteBytes, 'x'));
    EXPECT_EQ(f.store.load(limit).size(), NoteStore::MaxNoteBytes);
    writeFile(f.store.fileName(limit), QByteArray(NoteStore::MaxNoteBytes + 1, 'x'));
    EXPECT_THROW(f.store.load(limit), Error);

    const QDate binary(1997, 3, 9);
    QByteArray noise(200 * 1024, '\0');
    QRandomGenerator random(42);
    for (char &b : noise)
        b = static_cast<char>(random.bounded(256));
    writeFile(f.store.fileName(binary), noise);
    const QString text = f.store.load(binary);
    EXPECT_GT(text.size(), 0);
    EXPECT_LE(text.size(), noise.size());
}

TEST(NoteStore, AWriteThatFailsHalfwayKeepsTheOldNote)
{
    // Small notes fit Qt's write buffer and fail only when it is flushed;
    // large ones fail while being written. Both must keep the old note.
    for (const int size : {4 * 1024, 64 * 1024}) {
        SCOPED_TRACE(size);
        NotesFolder f;
        const QDate date(1997, 3, 10);
        f.store.save(date, QStringLiteral("the old note"));

        bool threw = false;
        QString message;
        {
            traytest::FileSizeLimit full;
            ASSERT_TRUE(full.active());
            try {
                f.store.save(date, QString(size, u'n'));
            } catch (const Error &e) {
                threw = true;
                message = e.message();
            }
        }

        EXPECT_TRUE(threw);
        EXPECT_TRUE(message.startsWith(QStringLiteral("Unable to write to ")))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("19970310.txt")));
        EXPECT_EQ(readFile(f.store.fileName(date)), QByteArray("the old note"));
        EXPECT_EQ(QDir(f.store.folder()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"19970310.txt"}); // no temporary file left behind
    }
}

TEST(NoteStore, AReadOnlyFolderKeepsTheOldNote)
{
    if (traytest::runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    NotesFolder f;
    const QDate date(1997, 3, 11);
    f.store.save(date, QStringLiteral("kept"));
    QFile::setPermissions(f.store.folder(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_THROW(f.store.save(date, QStringLiteral("new")), Error);
    QFile::setPermissions(f.store.folder(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readFile(f.store.fileName(date)), QByteArray("kept"));
}
