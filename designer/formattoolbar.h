#pragma once

#include <QToolBar>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace ql {

// The formatting toolbar of the cell editor: font name, size and colour
// lists; bold, italic and underline; left, right and centred paragraphs;
// copy, cut, paste and select all. Its controls never take the keyboard
// focus, so the editor keeps it while the user formats.
class FormatToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit FormatToolBar(QWidget *parent = nullptr);

    void setEditor(QTextEdit *editor);

    QFontComboBox *fontBox() const { return m_font; }
    QComboBox *sizeBox() const { return m_size; }
    QComboBox *colorBox() const { return m_color; }
    QAction *boldAction() const { return m_bold; }
    QAction *italicAction() const { return m_italic; }
    QAction *underlineAction() const { return m_underline; }
    QAction *alignLeftAction() const { return m_left; }
    QAction *alignRightAction() const { return m_right; }
    QAction *alignCenterAction() const { return m_center; }
    QAction *copyAction() const { return m_copy; }
    QAction *cutAction() const { return m_cut; }
    QAction *pasteAction() const { return m_paste; }
    QAction *selectAllAction() const { return m_selectAll; }

private:
    // Applies to the selection, or to the word at the cursor when nothing is
    // selected, as one undo step.
    void mergeFormat(const QTextCharFormat &format);
    void showFormat(const QTextCharFormat &format);
    void showAlignment();
    void addGap();

    QTextEdit *m_editor = nullptr;
    QFontComboBox *m_font = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_color = nullptr;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_left = nullptr;
    QAction *m_right = nullptr;
    QAction *m_center = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_cut = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_selectAll = nullptr;
};

} // namespace ql
