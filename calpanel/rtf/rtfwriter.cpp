#include "rtfwriter.h"

#include "codepage.h"
#include "dibcodec.h"
#include "rtfcharformat.h"
#include "picturehandler.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <vector>

namespace ql {

namespace {

using RunFormat = RtfCharFormat;

// Text as RTF: ASCII as itself, Windows-1252 as \'hh, the rest as \uN?.
// fontName drops what would end a font table entry.
void appendEscaped(QByteArray &out, const QString &text, bool fontName = false)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (fontName && (c == ';' || c < 0x20))
            continue;
        if (c == '\\' || c == '{' || c == '}') {
            out.append('\\');
            out.append(static_cast<char>(c));
        } else if (c == '\t') {
            out.append("\\tab ");
        } else if (c == QChar::LineSeparator || c == '\n') {
            out.append("\\line ");
        } else if (c == QChar::ObjectReplacementCharacter || c < 0x20) {
            // Not text: pictures are written on their own.
        } else if (c < 0x80) {
            out.append(static_cast<char>(c));
        } else if (const int b = CodePage::toWindows1252(c); b >= 0) {
            out.append("\\'");
            out.append(hex[b >> 4]);
            out.append(hex[b & 0xF]);
        } else {
            out.append("\\u");
            out.append(QByteArray::number(static_cast<qint16>(c)));
            out.append('?');
        }
    }
}

QString familyOf(const QTextCharFormat &f, const QString &fallback)
{
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return fallback;
}

class Writer
{
public:
    explicit Writer(const QTextDocument &doc) : m_doc(doc)
    {
        const QFont df = doc.defaultFont();
        m_defaultFamily = df.family();
        m_defaultSize = df.pointSizeF() > 0 ? df.pointSizeF() : 12.0;
        m_fonts.push_back(m_defaultFamily);
        m_fontIndex.insert(m_defaultFamily, 0);
    }

    QByteArray run();

private:
    RunFormat runFormat(const QTextCharFormat &f);
    void writeFormat(const RunFormat &r);
    void writePicture(const QTextImageFormat &f);

    const QTextDocument &m_doc;
    QString m_defaultFamily;
    qreal m_defaultSize = 12;
    std::vector<QString> m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QRgb> m_colors;
    QByteArray m_body;
    bool m_hasFormat = false;
    RunFormat m_current;
};

RunFormat Writer::runFormat(const QTextCharFormat &f)
{
    RunFormat r;
    const QString family = familyOf(f, m_defaultFamily);
    auto it = m_fontIndex.constFind(family);
    if (it == m_fontIndex.constEnd()) {
        it = m_fontIndex.insert(family, static_cast<int>(m_fonts.size()));
        m_fonts.push_back(family);
    }
    r.font = *it;
    const qreal size = f.fontPointSize() > 0 ? f.fontPointSize() : m_defaultSize;
    r.halfPoints = std::max(1, qRound(size * 2));
    r.bold = f.fontWeight() > QFont::Medium;
    r.italic = f.fontItalic();
    r.underline = f.fontUnderline();
    r.strike = f.fontStrikeOut();
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
        const QRgb rgb = f.foreground().color().rgb() & 0xFFFFFF;
        auto c = std::find(m_colors.begin(), m_colors.end(), rgb);
        if (c == m_colors.end())
            c = m_colors.insert(m_colors.end(), rgb);
        r.color = static_cast<int>(c - m_colors.begin()) + 1;
    }
    return r;
}

void Writer::writeFormat(const RunFormat &r)
{
    if (m_hasFormat && r == m_current)
        return;
    m_hasFormat = true;
    m_current = r;
    m_body += "\\plain\\f" + QByteArray::number(r.font) + "\\fs" + QByteArray::number(r.halfPoints);
    if (r.bold)
        m_body += "\\b";
    if (r.italic)
        m_body += "\\i";
    if (r.underline)
        m_body += "\\ul";
    if (r.strike)
        m_body += "\\strike";
    if (r.color)
        m_body += "\\cf" + QByteArray::number(r.color);
    m_body += ' ';
}

void Writer::writePicture(const QTextImageFormat &f)
{
    const QImage image = PictureHandler::image(m_doc, f);
    if (image.isNull())
        return;
    const QSizeF display = PictureHandler::displaySize(m_doc, f);
    const QByteArray dib = DibCodec::encodeDib(image);
    m_body += "{\\pict\\dibitmap0\\picw" + QByteArray::number(image.width()) + "\\pich"
        + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(qRound(display.width() * 15))
        + "\\pichgoal" + QByteArray::number(qRound(display.height() * 15)) + "\n";
    const QByteArray hex = dib.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_body += hex.mid(i, 128);
        m_body += '\n';
    }
    m_body += "}";
}

QByteArray Writer::run()
{
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        if (block != m_doc.begin())
            m_body += "\\par\n";
        const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        m_body += "\\pard";
        if (a & Qt::AlignHCenter)
            m_body += "\\qc";
        else if (a & Qt::AlignJustify)
            m_body += "\\qj";
        else if (a & (Qt::AlignRight | Qt::AlignTrailing) && !(a & Qt::AlignLeft))
            m_body += "\\qr";
        else
            m_body += "\\ql";
        m_body += ' ';
        bool any = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            any = true;
            const QTextCharFormat cf = fragment.charFormat();
            if (cf.isImageFormat()) {
                // One object replacement character per picture.
                for (qsizetype i = 0; i < fragment.text().size(); ++i)
                    writePicture(cf.toImageFormat());
                continue;
            }
            writeFormat(runFormat(cf));
            appendEscaped(m_body, fragment.text());
        }
        if (!any)
            writeFormat(runFormat(block.charFormat()));
    }

    QByteArray out = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(static_cast<qulonglong>(i)) + "\\fnil\\fcharset0 ";
        appendEscaped(out, m_fonts[i], true);
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (QRgb c : m_colors)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
            + QByteArray::number(qBlue(c)) + ';';
    // Letter paper with no margins: the cell, not the page, sets the width.
    out += "}\n\\paperw12240\\paperh15840\\margl0\\margr0\\margt0\\margb0\n";
    out += m_body;
    out += "}";
    return out;
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    return Writer(document).run();
}

} // namespace ql
