#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace ql {

// One plain-text note per date, each in a file of its own in the notes
// folder, named after the date: 19971209.txt for 9 December 1997. A date has
// a note exactly when its file exists; there is no index.
//
// File contents: the text of the note, lines separated by CR LF, nothing
// added after the last line, no header. The text is Windows-1252 (the format
// the notes have always had); a note with a character that code page cannot
// represent is written as UTF-8 after a byte-order mark (EF BB BF) instead.
// Reading accepts both, and also UTF-8 without the mark as other editors
// write it; a CR alone, an LF alone or the pair each count as one line break.
//
// Every failure throws Error with a message for the user.
class NoteStore
{
public:
    // Larger files are refused rather than read: the notes box is not meant
    // for them, and a stray huge or binary file must not stall the program.
    static constexpr qint64 MaxNoteBytes = 256 * 1024;

    explicit NoteStore(const QString &folder);

    // Ends in '/'.
    const QString &folder() const { return m_folder; }
    QString fileName(const QDate &date) const;
    // A regular file; a folder or a device of that name does not count.
    bool hasNote(const QDate &date) const;

    // Creates the notes folder with any missing parents; true when it did not
    // exist before (the first start). A folder that cannot be made shows up
    // as the error of the first note written into it.
    bool createFolder() const;

    // The note's text with '\n' line breaks; empty when there is no note.
    // Throws when the file cannot be read or is larger than MaxNoteBytes.
    QString load(const QDate &date) const;
    // Replaces the note through a temporary file, so a failed write (full
    // disk, read-only folder) leaves the old note as it was; throws then.
    void save(const QDate &date, const QString &text) const;
    // Deletes the note's file; false when it could not be deleted.
    bool remove(const QDate &date) const;

    // True when the text has no character above code 32, so erasing a note
    // down to blanks, tabs and empty lines deletes it.
    static bool isBlank(const QString &text);

    static QByteArray encodeText(const QString &text);
    static QString decodeText(const QByteArray &bytes);

    static QString tooLargeMessage() { return QStringLiteral("Text exceeds memo capacity"); }

private:
    QString m_folder;
};

} // namespace ql
