#include "notestore.h"

#include "error.h"
#include "windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <sys/stat.h>

namespace ql {

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isRegularFile(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isAscii(const QByteArray &bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString normalisedLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString unableToWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Unable to write to %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

NoteStore::NoteStore(const QString &folder) : m_folder(folder)
{
    if (!m_folder.endsWith(u'/'))
        m_folder += u'/';
}

QString NoteStore::fileName(const QDate &date) const
{
    return m_folder + QStringLiteral("%1%2%3.txt")
                          .arg(date.year(), 4, 10, QChar(u'0'))
                          .arg(date.month(), 2, 10, QChar(u'0'))
                          .arg(date.day(), 2, 10, QChar(u'0'));
}

bool NoteStore::hasNote(const QDate &date) const
{
    return isRegularFile(fileName(date));
}

bool NoteStore::createFolder() const
{
    if (QFileInfo::exists(m_folder))
        return false;
    QDir().mkpath(m_folder);
    return true;
}

QString NoteStore::load(const QDate &date) const
{
    const QString path = fileName(date);
    if (!QFileInfo::exists(path))
        return QString();
    // Only regular files are opened: opening a named pipe would block.
    if (!isRegularFile(path))
        throw Error(QStringLiteral("Unable to read %1: not a file")
                        .arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Unable to read %1: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > MaxNoteBytes)
        throw Error(tooLargeMessage());
    // The size can change between the check and the read; never read more.
    const QByteArray bytes = file.read(MaxNoteBytes + 1);
    if (bytes.size() > MaxNoteBytes)
        throw Error(tooLargeMessage());
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Unable to read %1: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return decodeText(bytes);
}

void NoteStore::save(const QDate &date, const QString &text) const
{
    const QString path = fileName(date);
    // The folder may have been removed while the program runs.
    QDir().mkpath(m_folder);
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here. Buffered, the
    // refusal happens while commit() flushes, and Qt 6.4 then renames the
    // truncated temporary file over the note all the same.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(unableToWrite(path, file.errorString()));
    const QByteArray bytes = encodeText(text);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(unableToWrite(path, file.errorString()));
}

bool NoteStore::remove(const QDate &date) const
{
    return QFile::remove(fileName(date));
}

bool NoteStore::isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 32)
            return false;
    }
    return true;
}

QByteArray NoteStore::encodeText(const QString &text)
{
    QString withCrLf = text;
    withCrLf.replace(u'\n', QStringLiteral("\r\n"));
    if (const std::optional<QByteArray> ansi = Windows1252::encode(withCrLf))
        return *ansi;
    return Utf8Bom + withCrLf.toUtf8();
}

QString NoteStore::decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return normalisedLineBreaks(QString::fromUtf8(bytes.mid(Utf8Bom.size())));
    // Windows-1252 text with accented letters is almost never valid UTF-8,
    // so valid UTF-8 without the mark is taken as UTF-8 (other editors).
    if (!isAscii(bytes)) {
        if (std::optional<QString> utf8 = strictUtf8(bytes))
            return normalisedLineBreaks(*utf8);
    }
    return normalisedLineBreaks(Windows1252::decode(bytes));
}

} // namespace ql
