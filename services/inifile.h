#pragma once

#include <QString>
#include <QStringList>

namespace ql {

// A settings file in the classic INI dialect, read and written the way the
// old private-profile functions did it (Qt's QSettings writes a different
// dialect and caches, so it cannot stand in):
//
//   ; a comment                 lines starting with ';' or '#'
//   [Section]                   a section header, names compared ignoring case
//   Key=value                   key and value trimmed of blanks; keys ignore case
//
// Every call goes to the file: a read scans it for the first matching section
// and key, a write rewrites it at once through QSaveFile, so nothing is cached
// and another program may edit the file between two calls. A missing file,
// section or key reads as the caller's default. Lines, comments, sections and
// keys a write does not touch come through byte for byte, and the line ending
// of the existing file (CRLF or LF) is kept.
//
// Values are written as UTF-8; a value that is not valid UTF-8 (a file from
// the Windows programs, in Windows-1252) is read as Latin-1 so that it still
// reads as something rather than as replacement characters.
class IniFile
{
public:
    explicit IniFile(const QString &fileName);

    const QString &fileName() const { return m_fileName; }

    // At most MaxValueLength characters of the value; blanks around it and one
    // pair of matching quotes are removed.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Decimal, or hexadecimal after 0x, 0X or $ (eight digits at most, read as
    // a signed 32-bit value so FFFFFFFF is -1), with an optional sign. Anything
    // else, an empty value or a number out of range gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Any integer other than 0 is true; a value that is no integer gives the default.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    bool sectionExists(const QString &section) const;
    // The keys of the first section of that name, in file order (at most MaxSectionKeys).
    QStringList sectionKeys(const QString &section) const;

    // Writes create the file, the section or the key when missing. A failure
    // (read-only file or folder, full disk, an existing file that cannot be
    // read) throws Error("Unable to write to PATH") and leaves the file as it was.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    // Removes every section of that name with all its lines; a missing file or
    // section is left alone.
    void eraseSection(const QString &section);
    void deleteKey(const QString &section, const QString &key);

    static constexpr int MaxValueLength = 1023;
    static constexpr int MaxSectionKeys = 4096;

private:
    QString m_fileName;
};

} // namespace ql
