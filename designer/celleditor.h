#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;
class QTextDocument;
class QTextEdit;

namespace ql {

// The rich-text editor laid over one cell of the page.
//
// The page draws a cell's text laid out at 96 pixels per inch and scaled by
// its magnification, so the sizes stored in the cell never change with the
// zoom. The editor does the same: a QTextEdit holding a copy of the cell's
// document at its stored sizes sits in a graphics scene, and the view scales
// it to the page's magnification. Typing, selecting and the cursor all work
// in the text's own coordinates, and the copy written back is unscaled.
class CellEditor : public QGraphicsView
{
    Q_OBJECT

public:
    explicit CellEditor(QWidget *parent = nullptr);

    QTextEdit *textEdit() const { return m_edit; }

    // Loads a copy of source to be edited in an area of `size` device pixels
    // at `magnification` percent; the text wraps where the page wraps it.
    void load(const QTextDocument &source, const QSize &size, int magnification);
    int magnification() const { return m_magnification; }

    // True while the editor is shown and has the keyboard focus of its window.
    bool hasEditorFocus() const;
    void focusEditor();

signals:
    // The text got the focus.
    void entered();
    // The text or its formatting changed.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGraphicsScene *m_scene = nullptr;
    QGraphicsProxyWidget *m_proxy = nullptr;
    QTextEdit *m_edit = nullptr;
    QTextDocument *m_document = nullptr;
    int m_magnification = 100;
};

} // namespace ql
