#pragma once

#include "iconformats.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

#include <memory>

class QFile;

namespace ql {

// The icons of one file, numbered 0, 1, ... in file order, the way the icon
// list of the designer shows them. Three kinds of file are read, told apart by
// their contents rather than their names:
//   - .ico files: the whole file is one icon, made of one or more pictures;
//   - 16-bit NE executables, such as .icl icon libraries: one icon per
//     RT_GROUP_ICON resource;
//   - 32/64-bit PE programs and DLLs: one icon per RT_GROUP_ICON resource.
// Anything else, and any malformed file, holds no icons. The file is read
// once, when the object is made; the pictures are decoded on request.
class IconFile
{
public:
    // The system icon size: what the icon list shows and what a drop inserts.
    static constexpr int SystemIconSize = 32;
    // The largest size icon() scales to.
    static constexpr int MaxRequestedSize = 1024;

    // No file: count() is -1.
    IconFile();
    // Reads the file. A name that does not exist as written is looked up again
    // in its folder regardless of case, as the libraries' names are compared
    // without regard to case.
    explicit IconFile(const QString &fileName);
    // Reads icons from bytes in memory (count() is never -1 then).
    static IconFile fromData(const QByteArray &data);

    // The name given to the constructor.
    const QString &fileName() const { return m_fileName; }
    // -1 when the file does not exist or cannot be read, 0 when it holds no
    // icons, else the number of icons.
    int count() const;
    // The icon at index drawn at size x size pixels with its transparency
    // (premultiplied ARGB32), from the picture that best fits the size.
    // Throws Error when the index is out of range, the size is not in
    // 1..MaxRequestedSize or none of the icon's pictures can be decoded.
    QImage icon(int index, int size = SystemIconSize) const;
    // The icon at index as the bytes of a stand-alone .ico file holding all its
    // pictures. Throws Error when the index is out of range.
    QByteArray iconData(int index) const;

private:
    void readIcons();
    void checkIndex(int index) const;

    QString m_fileName;
    std::shared_ptr<QFile> m_file; // keeps a mapping of the file alive
    QByteArray m_data;             // the file's bytes (mapped or read)
    bool m_readable = false;
    QVector<IconGroup> m_icons;
};

} // namespace ql
