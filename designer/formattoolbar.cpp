#include "formattoolbar.h"

#include "buttonpictures.h"
#include "editorcolors.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QPixmap>
#include <QTextCursor>
#include <QTextEdit>

namespace ql {

FormatToolBar::FormatToolBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("WPToolBar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setFixedHeight(28);
    setFocusPolicy(Qt::NoFocus);

    m_font = new QFontComboBox(this);
    m_font->setEditable(false);
    m_font->setFocusPolicy(Qt::NoFocus);
    m_font->setToolTip(QStringLiteral("Font"));
    addWidget(m_font);
    connect(m_font, &QFontComboBox::textActivated, this, [this](const QString &family) {
        QTextCharFormat f;
        f.setFontFamilies(QStringList{family});
        mergeFormat(f);
    });

    m_size = new QComboBox(this);
    m_size->setFocusPolicy(Qt::NoFocus);
    m_size->setToolTip(QStringLiteral("Font Size"));
    for (int size : QFontDatabase::standardSizes()) {
        if (size >= 8)
            m_size->addItem(QString::number(size));
    }
    addWidget(m_size);
    connect(m_size, &QComboBox::textActivated, this, [this](const QString &text) {
        const double points = text.toDouble();
        if (points > 0) {
            QTextCharFormat f;
            f.setFontPointSize(points);
            mergeFormat(f);
        }
    });

    m_color = new QComboBox(this);
    m_color->setFocusPolicy(Qt::NoFocus);
    m_color->setToolTip(QStringLiteral("Font Color"));
    for (size_t i = 0; i < kEditorColors.size(); ++i) {
        QPixmap swatch(12, 12);
        swatch.fill(ToQColor(kEditorColors[i]));
        m_color->addItem(QIcon(swatch), QString::fromLatin1(kEditorColorNames[i]));
    }
    addWidget(m_color);
    connect(m_color, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(kEditorColors.size()))
            return;
        QTextCharFormat f;
        f.setForeground(ToQColor(kEditorColors[static_cast<size_t>(index)]));
        mergeFormat(f);
    });
    addGap();

    auto toggle = [this](ButtonPicture picture, const QString &tip) {
        QAction *a = addAction(PictureIcon(picture), tip);
        a->setToolTip(tip);
        a->setCheckable(true);
        return a;
    };
    m_bold = toggle(ButtonPicture::Bold, QStringLiteral("Bold Font"));
    connect(m_bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    m_italic = toggle(ButtonPicture::Italic, QStringLiteral("Italic Font"));
    connect(m_italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    m_underline = toggle(ButtonPicture::Underline, QStringLiteral("Underlined Font"));
    connect(m_underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        mergeFormat(f);
    });
    addGap();

    auto *alignments = new QActionGroup(this);
    auto align = [&](ButtonPicture picture, const QString &tip, Qt::Alignment alignment) {
        QAction *a = toggle(picture, tip);
        alignments->addAction(a);
        connect(a, &QAction::triggered, this, [this, alignment] {
            if (m_editor)
                m_editor->setAlignment(alignment);
        });
        return a;
    };
    m_left = align(ButtonPicture::AlignLeft, QStringLiteral("Left Justify Text"),
                   Qt::AlignLeft | Qt::AlignAbsolute);
    m_right = align(ButtonPicture::AlignRight, QStringLiteral("Right Justify Text"),
                    Qt::AlignRight | Qt::AlignAbsolute);
    m_center = align(ButtonPicture::AlignCenter, QStringLiteral("Center Text "), Qt::AlignHCenter);
    addGap();

    auto command = [this](ButtonPicture picture, const QString &tip, void (QTextEdit::*slot)()) {
        QAction *a = addAction(PictureIcon(picture), tip);
        a->setToolTip(tip);
        connect(a, &QAction::triggered, this, [this, slot] {
            if (m_editor)
                (m_editor->*slot)();
        });
        return a;
    };
    m_copy = command(ButtonPicture::Copy, QStringLiteral("Copy Text"), &QTextEdit::copy);
    m_cut = command(ButtonPicture::Cut, QStringLiteral("Cut Text"), &QTextEdit::cut);
    m_paste = command(ButtonPicture::Paste, QStringLiteral("Paste Text"), &QTextEdit::paste);
    m_selectAll = command(ButtonPicture::SelectAll, QStringLiteral("Select All"),
                          &QTextEdit::selectAll);

    // Tool buttons would take the focus from the editor when clicked.
    const auto buttons = findChildren<QWidget *>();
    for (QWidget *w : buttons)
        w->setFocusPolicy(Qt::NoFocus);
}

void FormatToolBar::addGap()
{
    auto *gap = new QWidget(this);
    gap->setFixedWidth(4);
    addWidget(gap);
}

void FormatToolBar::setEditor(QTextEdit *editor)
{
    m_editor = editor;
    connect(editor, &QTextEdit::currentCharFormatChanged, this, &FormatToolBar::showFormat);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &FormatToolBar::showAlignment);
}

void FormatToolBar::mergeFormat(const QTextCharFormat &format)
{
    if (!m_editor)
        return;
    // The edit block is the document's, so everything inside it, the word and
    // the editor's own cursor alike, undoes in one step.
    QTextCursor cursor = m_editor->textCursor();
    cursor.beginEditBlock();
    if (!cursor.hasSelection()) {
        QTextCursor word = cursor;
        word.select(QTextCursor::WordUnderCursor);
        word.mergeCharFormat(format);
    }
    // With a selection this formats it; without one it sets what newly typed
    // text gets.
    m_editor->mergeCurrentCharFormat(format);
    cursor.endEditBlock();
}

void FormatToolBar::showFormat(const QTextCharFormat &format)
{
    const QFont font = format.font();
    const int fontIndex = m_font->findText(QFontInfo(font).family());
    if (fontIndex >= 0)
        m_font->setCurrentIndex(fontIndex);
    const QString size = QString::number(font.pointSizeF());
    int sizeIndex = m_size->findText(size);
    if (sizeIndex < 0) {
        m_size->addItem(size);
        sizeIndex = m_size->count() - 1;
    }
    m_size->setCurrentIndex(sizeIndex);
    const QColor color = format.foreground().color();
    int colorIndex = 0;
    for (size_t i = 0; i < kEditorColors.size(); ++i) {
        if (ToQColor(kEditorColors[i]) == color)
            colorIndex = static_cast<int>(i);
    }
    m_color->setCurrentIndex(colorIndex);
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
}

void FormatToolBar::showAlignment()
{
    if (!m_editor)
        return;
    const Qt::Alignment a = m_editor->alignment();
    if (a & Qt::AlignHCenter)
        m_center->setChecked(true);
    else if (a & Qt::AlignRight)
        m_right->setChecked(true);
    else
        m_left->setChecked(true);
}

} // namespace ql
