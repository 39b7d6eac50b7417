#include "calendarmain.h"

#include "busycursor.h"
#include "buttonpictures.h"
#include "buttonstates.h"
#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "designerdialogs.h"
#include "documentnames.h"
#include "editorcolors.h"
#include "error.h"
#include "formattoolbar.h"
#include "helpviewer.h"
#include "icondrop.h"
#include "icondroptarget.h"
#include "iconlibrary.h"
#include "iconlistbox.h"
#include "iconsetsmenu.h"
#include "imagefile.h"
#include "inifile.h"
#include "pagestyles.h"
#include "printcommands.h"
#include "printerservices.h"
#include "programfolders.h"
#include "qtprintergeometry.h"
#include "windowplacement.h"
#include "zoomsteps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ql {

namespace {

// The designed client area; the saved placement replaces it after the first run.
constexpr QSize kDesignedSize(613, 378);
// The page sits this far from the scroll box's top left corner.
constexpr int kPageOffset = 5;
const QColor kScrollBoxColor(142, 142, 142);

const QString kCalendarFilter = QStringLiteral("Calendar File (*.QLF)");

QString breakLines(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QToolButton *smallButton(QWidget *parent, const QString &name, ButtonPicture picture,
                         const QString &tip, const QRect &geometry)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(PictureIcon(picture));
    b->setToolTip(tip);
    b->setAutoRaise(false);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton *captionButton(QWidget *parent, const QString &name, const QString &caption,
                           const QColor &color, const QString &tip, const QRect &geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    f.setBold(true);
    b->setFont(f);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, color);
    b->setPalette(pal);
    b->setToolTip(tip);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

} // namespace

TCalendarMain::TCalendarMain(DesignerDialogs &dialogs, const PrinterSystem &printers,
                             QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_printers(printers),
      m_page(std::make_unique<TCalendarPanel>())
{
    setWindowIcon(ApplicationIcon());
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPointSize(8);
    setFont(formFont);

    m_toolbar = new FormatToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_toolbar->setEnabled(false);

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_scrollBox = new QScrollArea(central);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette grey = m_scrollBox->palette();
    grey.setColor(QPalette::Window, kScrollBoxColor);
    m_scrollBox->setPalette(grey);
    m_scrollBox->setBackgroundRole(QPalette::Window);
    m_scrollBox->viewport()->setPalette(grey);
    m_scrollBox->viewport()->setBackgroundRole(QPalette::Window);
    m_scrollBox->viewport()->setAutoFillBackground(true);
    m_scrollBox->verticalScrollBar()->setSingleStep(16);
    // The page follows the thumb while it is dragged, not only when released.
    m_scrollBox->verticalScrollBar()->setTracking(true);
    m_scrollBox->horizontalScrollBar()->setTracking(true);
    row->addWidget(m_scrollBox, 1);
    row->addWidget(createIconPanel());
    setCentralWidget(central);

    // The page and the editor share one canvas, so the editor scrolls with the page.
    m_canvas = new QWidget;
    m_canvas->setPalette(grey);
    m_canvas->setAutoFillBackground(true);
    m_pageWidget = new CalendarPanelWidget(*m_page, m_canvas);
    m_editor = new CellEditor(m_canvas);
    m_editor->setObjectName(QStringLiteral("WPRichText1"));
    m_scrollBox->setWidget(m_canvas);
    m_toolbar->setEditor(m_editor->textEdit());
    connect(m_editor, &CellEditor::entered, this, &TCalendarMain::WPRichText1Enter);
    connect(m_editor, &CellEditor::changed, this, &TCalendarMain::WPRichText1Change);
    new IconDropTarget(*m_pageWidget, *m_iconListBox,
                       [this](const QPoint &p) { return CalendarPanelDragOver(p); },
                       [this](const QPoint &p, int row) { CalendarPanelDragDrop(p, row); });
    // The editor is a view of its text: the drop arrives at its viewport.
    new IconDropTarget(*m_editor->viewport(), *m_iconListBox,
                       [this](const QPoint &) { return m_editorInUse; },
                       [this](const QPoint &, int row) { WPRichText1DragDrop(row); });
    connect(m_page.get(), &TCalendarPanel::SizeChanged, this, &TCalendarMain::placePage);

    createMenus();
    resize(kDesignedSize.width(), kDesignedSize.height() + menuBar()->sizeHint().height()
                                      + m_toolbar->height());

    // FormCreate.
    BusyCursor busy;
    m_fileName.clear();
    m_newInProgress = false;
    m_editorReady = false;
    m_pageWidget->hide();
    m_starting = true;
    m_currentCell = 0;
    LoadPreferences();
    SetModified(false);
    ApplyDesignerStyle(*m_page, PageRole::MainWindow);
    m_page->SetMagnification(m_prefs.MainZoom);
    m_page->SetCalendarLayout(LOFullCalendarLS);
    m_page->ClickedInCellEvent = [this](const TRect &total, const TRect &free, int cell, int day,
                                        CellStorage &storage) {
        CalendarPanelClickedInCellEvent(total, free, cell, day, storage);
    };
    placePage();
    try {
        m_recent.load(SettingsFile());
    } catch (const Error &e) {
        showError(e);
    }
    rebuildRecentMenu();
    m_mnuShowHints->setChecked(m_prefs.ShowHints);
    qApp->installEventFilter(this);
    SetButtons();
    SetCaption();
}

TCalendarMain::~TCalendarMain()
{
    qApp->removeEventFilter(this);
    // The page's click handler points back here.
    m_page->ClickedInCellEvent = nullptr;
}

QWidget *TCalendarMain::createIconPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("IconPanel"));
    panel->setFixedWidth(59);
    panel->setFrameShape(QFrame::Panel);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);

    auto *buttons = new QWidget(panel);
    buttons->setFixedHeight(108);
    m_zoomPlusButton = smallButton(buttons, QStringLiteral("ZoomPlusButton"), ButtonPicture::ZoomIn,
                                   QStringLiteral("Zoom In"), QRect(1, 3, 24, 21));
    m_zoomMinusButton = smallButton(buttons, QStringLiteral("ZoomMinusButton"),
                                    ButtonPicture::ZoomOut, QStringLiteral("Zoom Out"),
                                    QRect(28, 3, 24, 21));
    m_propertiesButton = smallButton(buttons, QStringLiteral("PropertiesButton"),
                                     ButtonPicture::Properties,
                                     QStringLiteral("Set/change Properties for the calendar"),
                                     QRect(1, 26, 24, 21));
    m_printButton = smallButton(buttons, QStringLiteral("Printbutton"), ButtonPicture::Print,
                                QStringLiteral("Print the calendar"), QRect(28, 26, 24, 21));
    m_saveButton = captionButton(buttons, QStringLiteral("Savebutton"), QStringLiteral("&Save"),
                                 QColor(0, 128, 0), QStringLiteral("Save changes to the calendar"),
                                 QRect(1, 52, 51, 20));
    m_cancelButton = captionButton(buttons, QStringLiteral("CancelButton"),
                                   QStringLiteral("&Cancel"), QColor(255, 0, 0),
                                   QStringLiteral("Cancel all changes"), QRect(1, 75, 51, 20));
    auto *line = new QFrame(buttons);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, 106, 55, 2);
    connect(m_zoomPlusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomPlusButtonClick);
    connect(m_zoomMinusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomMinusButtonClick);
    connect(m_propertiesButton, &QToolButton::clicked, this, &TCalendarMain::mnuPropertiesClick);
    connect(m_saveButton, &QPushButton::clicked, this, &TCalendarMain::SavebuttonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &TCalendarMain::mnuCancelChangesClick);
    connect(m_printButton, &QToolButton::clicked, this, &TCalendarMain::PrintbuttonClick);
    column->addWidget(buttons);

    m_iconBar = new QWidget(panel);
    m_iconBar->setFixedHeight(21);
    m_iconBarButton = new QToolButton(m_iconBar);
    m_iconBarButton->setObjectName(QStringLiteral("IconBarButton"));
    m_iconBarButton->setToolTip(QStringLiteral("Select a new icon set"));
    m_iconBarButton->setAutoRaise(true);
    m_iconBarButton->setArrowType(Qt::DownArrow);
    m_iconBarButton->setGeometry(6, 1, 40, 17);
    m_iconBarButton->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_iconBar);

    m_iconListBox = new IconListBox(panel);
    m_iconListBox->setToolTip(breakLines(QStringLiteral(
        "To add an icon to the calendar, drag and drop\rit onto the cell in which you want it to "
        "appear. It will \rthen appear in the cell as part of the editable\rtext")));
    column->addWidget(m_iconListBox, 1);
    m_iconSetsMenu = new IconSetsMenu(*m_iconListBox, m_dialogs, this);
    // The button's arrow is its drop-down mark; a menu of the button's own
    // would add a second one.
    connect(m_iconBarButton, &QToolButton::clicked, this, [this] {
        m_iconSetsMenu->popup(m_iconBarButton->mapToGlobal(m_iconBarButton->rect().bottomLeft()));
    });
    connect(m_iconSetsMenu, &IconSetsMenu::iconSetChosen, this, [this] {
        SavePreferences();
        SetButtons();
    });
    return panel;
}

void TCalendarMain::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    auto item = [this](QMenu *menu, const QString &name, const QString &caption, auto handler) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_mnuNew = item(m_fileMenu, QStringLiteral("New1"), QStringLiteral("&New "),
                    &TCalendarMain::New1Click);
    m_mnuOpen = item(m_fileMenu, QStringLiteral("Open1"), QStringLiteral("&Open"),
                     &TCalendarMain::Open1Click);
    m_fileMenu->addSeparator();
    m_mnuSave = item(m_fileMenu, QStringLiteral("mnuSave"), QStringLiteral("&Save "),
                     &TCalendarMain::mnuSaveClick);
    m_mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuSaveAs = item(m_fileMenu, QStringLiteral("mnuSaveAs"), QStringLiteral("Save &As..."),
                       &TCalendarMain::mnuSaveAsClick);
    m_mnuSaveAsBitmap = item(m_fileMenu, QStringLiteral("mnuSaveAsBitmap"),
                             QStringLiteral("Save As &Bitmap "),
                             &TCalendarMain::mnuSaveAsBitmapClick);
    m_fileMenu->addSeparator();
    m_mnuProperties = item(m_fileMenu, QStringLiteral("mnuProperties"),
                           QStringLiteral("&Properties"), &TCalendarMain::mnuPropertiesClick);
    m_mnuCancelChanges = item(m_fileMenu, QStringLiteral("mnuCancelChanges"),
                              QStringLiteral("&Cancel Changes"),
                              &TCalendarMain::mnuCancelChangesClick);
    m_mnuClearAllCellContents = item(m_fileMenu, QStringLiteral("mnuClearAllCellContents"),
                                     QStringLiteral("Clear &All Cell Contents"),
                                     &TCalendarMain::mnuClearAllCellContentsClick);
    m_mnuDefaultEditorFont = item(m_fileMenu, QStringLiteral("DefaultEditorFont1"),
                                  QStringLiteral("&Default Editor Font"),
                                  &TCalendarMain::DefaultEditorFont1Click);
    m_fileMenu->addSeparator();
    m_mnuPrintCalendar = item(m_fileMenu, QStringLiteral("mnuPrintCalendar"),
                              QStringLiteral("P&rint Calendar"),
                              &TCalendarMain::mnuPrintCalendarClick);
    m_mnuPrintSetup = item(m_fileMenu, QStringLiteral("mnuPrintSetup"),
                           QStringLiteral("Print Set&up"), &TCalendarMain::mnuPrintSetupClick);
    m_fileMenu->addSeparator();
    m_mnuExit = m_fileMenu->addAction(QStringLiteral("E&xit"));
    m_mnuExit->setObjectName(QStringLiteral("Exit1"));
    connect(m_mnuExit, &QAction::triggered, this, &QWidget::close);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    m_mnuContents = help->addAction(QStringLiteral("&Contents"));
    m_mnuContents->setObjectName(QStringLiteral("Contents1"));
    connect(m_mnuContents, &QAction::triggered, this, [] { HelpContents(); });
    m_mnuAbout = help->addAction(QStringLiteral("&About"));
    m_mnuAbout->setObjectName(QStringLiteral("About1"));
    connect(m_mnuAbout, &QAction::triggered, this, [this] { m_dialogs.about(this); });
    help->addSeparator();
    m_mnuShowHints = help->addAction(QStringLiteral("&Show Hints"));
    m_mnuShowHints->setObjectName(QStringLiteral("mnuShowHint"));
    m_mnuShowHints->setCheckable(true);
    m_mnuShowHints->setChecked(true);
    connect(m_mnuShowHints, &QAction::triggered, this, &TCalendarMain::mnuShowHintClick);
}

void TCalendarMain::FormActivate()
{
    if (!m_starting)
        return;
    BusyCursor busy;
    try {
        LoadWindowPlacement(this);
    } catch (const Error &e) {
        showError(e);
    }
    show();
    m_printerAvailable = PrinterPresentCheck(printer(), m_printers, [this](const QString &text) {
        m_dialogs.information(this, text);
    });
    SetHelpFile(QStringLiteral("quillon"));
    m_page->ResetToDefaultStyle();
    if (!m_recent.isEmpty() && QFileInfo::exists(m_recent.entries().constFirst()))
        OpenCalendarFile(m_recent.entries().constFirst());
    setPageVisible(!m_fileName.isEmpty());
    SetModified(false);
    m_starting = false;
    SetButtons();
    SetCaption();
}

// ---- State, buttons and caption ----

void TCalendarMain::SetModified(bool value)
{
    if (value == m_modified)
        return;
    m_modified = value;
    SetButtons();
}

void TCalendarMain::SetButtons()
{
    ButtonInputs in;
    in.PageVisible = !m_pageWidget->isHidden();
    in.HasFileName = !m_fileName.isEmpty();
    in.Modified = m_modified;
    in.EditorFocused = m_editor->hasEditorFocus();
    in.PrinterAvailable = m_printerAvailable;
    in.Layout = m_page->CalendarLayout();
    const ButtonStates s = ComputeButtonStates(in);

    m_iconBar->setVisible(s.IconPanelVisible);
    m_iconListBox->setVisible(s.IconPanelVisible);
    m_iconSetsMenu->SetCheckMarks(m_prefs.IconFile);
    m_mnuSave->setEnabled(s.SaveEnabled);
    m_toolbar->setEnabled(s.ToolbarEnabled);
    for (QAction *a : {m_mnuSaveAs, m_mnuProperties, m_mnuSaveAsBitmap, m_mnuPrintSetup})
        a->setEnabled(s.PageCommandsEnabled);
    m_propertiesButton->setEnabled(s.PageCommandsEnabled);
    m_mnuPrintCalendar->setEnabled(s.PrintEnabled);
    m_printButton->setEnabled(s.PrintEnabled);
    m_mnuCancelChanges->setEnabled(s.CancelChangesEnabled);
    m_zoomMinusButton->setEnabled(s.ZoomEnabled);
    m_zoomPlusButton->setEnabled(s.ZoomEnabled);
    m_saveButton->setVisible(s.SaveButtonVisible);
    m_cancelButton->setVisible(s.CancelButtonVisible);
}

void TCalendarMain::SetCaption()
{
    setWindowTitle(WindowCaption(m_fileName, m_page->Magnification()));
}

void TCalendarMain::setPageVisible(bool visible)
{
    m_pageWidget->setVisible(visible);
    m_pageWidget->invalidatePage();
    placePage();
}

void TCalendarMain::placePage()
{
    m_pageWidget->move(kPageOffset, kPageOffset);
    // A hidden page takes no room: no scroll bars without a document.
    const QSize margins(2 * kPageOffset, 2 * kPageOffset);
    m_canvas->resize(m_pageWidget->isHidden() ? QSize(0, 0) : m_page->ControlSize() + margins);
}

void TCalendarMain::showError(const Error &error)
{
    m_dialogs.information(this, error.message());
}

// ---- Keys and hints ----

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_prefs.ShowHints)
        return true;
    if (event->type() == QEvent::KeyPress)
        return HandleAppMessage(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

bool TCalendarMain::HandleAppMessage(QObject *watched, QEvent *event)
{
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != this)
        return false;
    // A key event is offered to the focus widget first and then to its
    // parents; react to the first delivery only, so one key is one command.
    QWidget *focus = QApplication::focusWidget();
    if (focus ? target != focus : target != this)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_PageDown:
        ZoomPlusButtonClick();
        return false;
    case Qt::Key_PageUp:
        ZoomMinusButtonClick();
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!m_editor->hasEditorFocus())
            return false;
        if (key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier))
            m_page->ClickPreviousCell(m_currentCell);
        else
            m_page->ClickNextCell(m_currentCell);
        return true;
    default:
        return false;
    }
}

// ---- Cell editing ----

void TCalendarMain::CalendarPanelClickedInCellEvent(const TRect &, const TRect &rFree, int iCell,
                                                    int, CellStorage &storage)
{
    m_currentCell = iCell;
    m_editorReady = false;
    DoSaveRichtext();
    // A cell without a free area (day numbers centred) has nowhere to show
    // text: an editor there would take typing that the page never shows.
    if (rFree.isAllZero()) {
        SetButtons();
        return;
    }
    m_editedStorage = &storage;
    m_editorInUse = true;
    const QRect area(m_pageWidget->pos() + QPoint(rFree.Left, rFree.Top),
                     QSize(rFree.width(), rFree.height()));
    m_editor->load(storage.document(), area.size(), m_page->Magnification());
    m_editor->move(area.topLeft());
    m_editor->show();
    m_editor->raise();
    m_editor->focusEditor();
    m_editorReady = true;
    SetButtons();
}

void TCalendarMain::DoSaveRichtext()
{
    if (!m_editorInUse || !m_editedStorage)
        return;
    m_editedStorage->assign(*m_editor->textEdit()->document());
    const bool hadFocus = m_editor->hasEditorFocus();
    m_editor->hide();
    if (hadFocus)
        m_pageWidget->setFocus();
    m_editorInUse = false;
    m_toolbar->setEnabled(false);
    // The cell shows the committed text from now on.
    m_pageWidget->invalidatePage();
}

void TCalendarMain::WPRichText1Enter()
{
    m_toolbar->setEnabled(true);
    if (m_editor->textEdit()->document()->isEmpty())
        SetDefaultFontNow();
}

void TCalendarMain::WPRichText1Change()
{
    if (m_editorReady)
        SetModified(true);
}

// ---- Icon drag and drop ----

bool TCalendarMain::CalendarPanelDragOver(const QPoint &p)
{
    // Cells are found in the last drawing, as for a click.
    m_pageWidget->ensureComposed();
    const int cell = m_page->CellAtPoint(p.x(), p.y());
    // A cell without a free area opens no editor, so it could not take the icon.
    return cell != 0
           && !m_page->MainAttributes().Cells[static_cast<size_t>(cell - 1)].FreeRect.isAllZero();
}

void TCalendarMain::CalendarPanelDragDrop(const QPoint &p, int row)
{
    DoSaveRichtext();
    m_pageWidget->ensureComposed();
    m_page->ClickCellAt(p.x(), p.y());
    // Only into the cell the editor now holds; never into text already committed.
    if (m_editorInUse)
        WPRichText1DragDrop(row);
    m_currentCell = m_page->CellAtPoint(p.x(), p.y());
    SetButtons();
}

void TCalendarMain::WPRichText1DragDrop(int row)
{
    const QImage picture = IconDropPicture(m_iconListBox->icon(row));
    if (picture.isNull())
        return;
    QTextEdit *edit = m_editor->textEdit();
    QTextCursor cursor = edit->textCursor();
    InsertIconPicture(cursor, picture, ScreenPixelsPerInch());
    edit->setTextCursor(cursor);
    m_editor->focusEditor();
    SetModified(true);
    SetButtons();
}

void TCalendarMain::SetDefaultFontNow()
{
    QTextEdit *edit = m_editor->textEdit();
    QTextCursor cursor = edit->textCursor();
    // Only text typed from now on takes the default font.
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        edit->setTextCursor(cursor);
    }
    QTextCharFormat f = edit->currentCharFormat();
    f.setFontFamilies(QStringList{m_prefs.DefaultFontName.left(31)});
    f.setFontPointSize(m_prefs.DefaultFontSize);
    if (m_prefs.DefaultFontBold)
        f.setFontWeight(QFont::Bold);
    if (m_prefs.DefaultFontItalic)
        f.setFontItalic(true);
    if (m_prefs.DefaultFontUnderline)
        f.setFontUnderline(true);
    if (m_prefs.DefaultFontStrikeout)
        f.setFontStrikeOut(true);
    f.setForeground(ToQColor(kEditorColors[static_cast<size_t>(EditorColorIndex(m_prefs.DefaultFontColor))]));
    // An empty paragraph also keeps the format as its own, so a click into
    // the empty editor does not fall back to the cell's plain font. That is
    // a change of the document, not an edit of the user's.
    const bool ready = m_editorReady;
    m_editorReady = false;
    if (edit->document()->isEmpty())
        cursor.setBlockCharFormat(f);
    edit->setCurrentCharFormat(f);
    m_editorReady = ready;
}

void TCalendarMain::mnuClearAllCellContentsClick()
{
    DoSaveRichtext();
    m_page->ClearAllContents();
    m_pageWidget->invalidatePage();
    SetModified(true);
    SetButtons();
}

void TCalendarMain::mnuCancelChangesClick()
{
    if (m_dialogs.question(this, QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL"))) {
        if (!m_fileName.isEmpty())
            OpenCalendarFile(m_fileName);
        SetModified(false);
    }
    SetButtons();
}

void TCalendarMain::SavebuttonClick()
{
    if (m_mnuSave->isEnabled())
        mnuSaveClick();
    else
        mnuSaveAsClick();
}

void TCalendarMain::DefaultEditorFont1Click()
{
    LoadPreferences();
    if (const std::optional<QFont> font = m_dialogs.chooseFont(this, m_prefs.defaultFont())) {
        m_prefs.setDefaultFont(*font);
        SavePreferences();
    }
    SetDefaultFontNow();
    SetButtons();
}

// ---- Documents ----

bool TCalendarMain::CheckSaveNeeded()
{
    DoSaveRichtext();
    if (!m_modified || !m_dialogs.question(this, QStringLiteral("Save changes?"), QStringLiteral("Save")))
        return true;
    const bool saved = m_fileName.isEmpty() ? mnuSaveAsClick() : SaveCalendarFile(m_fileName);
    if (!saved)
        return false;
    SetModified(false);
    return true;
}

void TCalendarMain::New1Click()
{
    if (!CheckSaveNeeded()) {
        SetButtons();
        return;
    }
    DoSaveRichtext();
    m_newInProgress = true;
    mnuPropertiesClick();
    if (!m_propertiesAccepted)
        return;
    SetModified(true);
    m_fileName.clear();
    m_page->ClearAllContents();
    setPageVisible(true);
    SetButtons();
    SetCaption();
}

void TCalendarMain::Open1Click()
{
    DoSaveRichtext();
    if (!CheckSaveNeeded()) {
        SetButtons();
        return;
    }
    const QString path = m_dialogs.openFileName(this, QStringLiteral("Open Calendar File"),
                                                DataFolder(), kCalendarFilter);
    if (!path.isEmpty()) {
        if (!HasCalendarFileExtension(path))
            m_dialogs.information(this, QStringLiteral("Must be a Calendar file (*.QLF)"));
        else
            OpenCalendarFile(path);
    }
    SetButtons();
}

void TCalendarMain::MRUItemClick(const QString &path)
{
    if (!CheckSaveNeeded()) {
        SetButtons();
        return;
    }
    // The entry comes off the list; a successful open puts it back on top.
    m_recent.remove(path);
    rebuildRecentMenu();
    OpenCalendarFile(path);
}

bool TCalendarMain::OpenCalendarFile(const QString &fileName)
{
    // Reverting passes the current file name itself, which is cleared below.
    const QString path = fileName;
    m_fileName.clear();
    DoSaveRichtext();
    if (!QFileInfo::exists(path)) {
        m_dialogs.information(this, QStringLiteral("File ") + path + QStringLiteral(" no longer exists"));
    } else {
        bool read = false;
        {
            BusyCursor busy;
            try {
                m_page->ClearAllContents();
                m_page->LoadFromCalendarFile(path);
                read = true;
            } catch (const Error &) {
                m_page->ResetToDefaultStyle();
            }
        }
        if (read) {
            m_fileName = path;
            m_recent.add(path);
            rebuildRecentMenu();
            writeRecentFiles();
        } else {
            m_dialogs.information(this, QStringLiteral("Unable to open ") + path
                                            + QStringLiteral(". Possibly \rcorrupted, possibly "
                                                             "not a Calendar file"));
        }
    }
    setPageVisible(!m_fileName.isEmpty());
    SetModified(false);
    SetButtons();
    SetCaption();
    return !m_fileName.isEmpty();
}

void TCalendarMain::mnuSaveClick()
{
    if (!m_fileName.isEmpty())
        SaveCalendarFile(m_fileName);
    SetButtons();
}

bool TCalendarMain::mnuSaveAsClick()
{
    const QString path = m_dialogs.saveFileName(
        this, QStringLiteral("Save Calendar File"),
        DataFolder() + ProposedCalendarFileName(*m_page, m_fileName), kCalendarFilter,
        QStringLiteral("QLF"));
    bool saved = false;
    if (!path.isEmpty() && SaveCalendarFile(path)) {
        SetModified(false);
        m_recent.add(path);
        rebuildRecentMenu();
        writeRecentFiles();
        saved = true;
    }
    SetButtons();
    return saved;
}

bool TCalendarMain::SaveCalendarFile(const QString &path)
{
    bool saved = false;
    QString failure;
    {
        BusyCursor busy;
        DoSaveRichtext();
        try {
            // The page writes a temporary file and renames it over the old
            // one, so a failed save leaves the old file as it was.
            m_page->SaveToCalendarFile(path);
            saved = true;
        } catch (const Error &e) {
            failure = e.message();
        }
    }
    if (saved) {
        m_fileName = path;
        SetModified(false);
    } else {
        m_dialogs.information(this, QStringLiteral("Unable to save ") + path + QStringLiteral(".\r")
                                        + failure);
    }
    SetButtons();
    SetCaption();
    return saved;
}

void TCalendarMain::mnuSaveAsBitmapClick()
{
    DoSaveRichtext();
    const QString path = m_dialogs.saveFileName(
        this, QStringLiteral("Save Calendar As Bitmap"),
        DataFolder() + ProposedImageFileName(*m_page, m_fileName, QStringLiteral(".BMP")),
        QStringLiteral("Bitmap File (*.BMP);;PNG File (*.PNG)"), QStringLiteral("BMP"));
    if (!path.isEmpty()) {
        QString error;
        bool written = false;
        {
            BusyCursor busy;
            // The exported image, not the screen's: day planners start at 8:00.
            written = SaveImageFile(m_page->RenderPageImage(), path, error);
        }
        if (!written)
            m_dialogs.information(this, error);
    }
    SetButtons();
}

// ---- Printing ----

QPrinter &TCalendarMain::printer()
{
    // At the printer's own resolution, so the page prints as finely as it can.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

const PrinterGeometrySource &TCalendarMain::printerGeometry() const
{
    static const QtPrinterGeometry realPrinters;
    return m_geometry ? *m_geometry : realPrinters;
}

void TCalendarMain::mnuPrintSetupClick()
{
    PrintCommands commands(*m_page, printerGeometry(), m_dialogs, this);
    commands.givePaperSize(printer());
    m_dialogs.printSetup(this, printer());
    // The user may have picked another printer, or the printers changed
    // since the start: printing follows what is there now.
    m_printerAvailable = PrinterPresentCheck(printer(), m_printers, [this](const QString &text) {
        m_dialogs.information(this, text);
    });
    SetButtons();
}

bool TCalendarMain::CheckPrinterMargins()
{
    PrintCommands commands(*m_page, printerGeometry(), m_dialogs, this);
    const PrintCommands::MarginOutcome outcome = commands.checkPrinterMargins(printer());
    if (outcome == PrintCommands::MarginOutcome::Adjusted) {
        m_pageWidget->invalidatePage();
        QCoreApplication::processEvents();
        SetModified(true);
    }
    return outcome != PrintCommands::MarginOutcome::Declined;
}

void TCalendarMain::mnuPrintCalendarClick()
{
    if (m_pageWidget->isHidden() || !m_printerAvailable)
        return;
    const bool wasEditing = m_editor->hasEditorFocus();
    const int editedCell = m_currentCell;
    const QTextCursor caret = m_editor->textEdit()->textCursor();
    DoSaveRichtext();

    PrintCommands commands(*m_page, printerGeometry(), m_dialogs, this);
    commands.givePaperSize(printer());
    if (!m_dialogs.print(this, printer())) {
        SetButtons();
        return;
    }
    bool print = CheckPrinterMargins();
    if (!print)
        print = m_dialogs.question(this, QStringLiteral("Continue Printing?"),
                                   QStringLiteral("Margin Warning"));
    QString failure;
    if (print) {
        BusyCursor busy;
        try {
            commands.printPage(printer());
            QCoreApplication::processEvents();
        } catch (const Error &e) {
            failure = e.message();
        }
    }
    // Printing left printer positions in the page's cells; hit testing and
    // Tab read them, so the screen page is drawn again before anything else.
    m_pageWidget->invalidatePage();
    m_pageWidget->ensureComposed();
    if (!failure.isEmpty())
        m_dialogs.information(this, failure);
    else if (wasEditing)
        resumeCellEdit(editedCell, caret.anchor(), caret.position());
    SetButtons();
}

void TCalendarMain::resumeCellEdit(int cell, int anchor, int position)
{
    if (cell < 1 || cell > 42)
        return;
    // The cell is opened again the way a click opens it, where it is now: a
    // margin widened for the printer moves the cells.
    const TCalendarCellInfo &c = m_page->MainAttributes().Cells[static_cast<size_t>(cell - 1)];
    if (c.FreeRect.isAllZero())
        return;
    CalendarPanelClickedInCellEvent(c.Rect, c.FreeRect, cell, m_page->CellDay(cell),
                                    m_page->CellStorage(cell));
    // The text is the one just committed; the caret goes back where it was.
    QTextEdit *edit = m_editor->textEdit();
    const int end = edit->document()->characterCount() - 1;
    QTextCursor restored(edit->document());
    restored.setPosition(std::clamp(anchor, 0, end));
    restored.setPosition(std::clamp(position, 0, end), QTextCursor::KeepAnchor);
    edit->setTextCursor(restored);
}

void TCalendarMain::mnuPropertiesClick()
{
    DoSaveRichtext();
    TCalendarPanel example;
    ApplyDesignerStyle(example, PageRole::Example);
    example.SetMagnification(m_prefs.PropertiesZoom);
    PropertiesOptions options;
    if (m_newInProgress) {
        options.ApplyDefaultStyle = true;
        options.WarnOnLayoutChange = false;
    } else if (!m_pageWidget->isHidden()) {
        options.InitialLayoutClass = m_page->LayoutClass();
        options.WarnOnLayoutChange = m_page->HasContents();
    }
    example.AssignSettings(*m_page);
    const bool ok = m_dialogs.runProperties(this, example, options);
    m_propertiesAccepted = false;
    m_prefs.PropertiesZoom = example.Magnification();
    if (ok) {
        if (!m_page->SettingsEqual(example))
            SetModified(true);
        m_propertiesAccepted = true;
        const int layoutClass = m_page->LayoutClass();
        m_page->AssignSettings(example);
        if (m_page->LayoutClass() != layoutClass)
            m_page->ClearAllContents();
    }
    m_newInProgress = false;
    m_pageWidget->invalidatePage();
    SetButtons();
    SavePreferences();
}

void TCalendarMain::rebuildRecentMenu()
{
    for (QAction *a : std::as_const(m_recentActions)) {
        m_fileMenu->removeAction(a);
        a->deleteLater();
    }
    m_recentActions.clear();
    if (m_recent.isEmpty())
        return;
    m_recentActions.append(m_fileMenu->addSeparator());
    const QStringList &entries = m_recent.entries();
    for (int i = 0; i < entries.size(); ++i) {
        QAction *a = m_fileMenu->addAction(RecentFiles::caption(i, entries.at(i)));
        const QString path = entries.at(i);
        connect(a, &QAction::triggered, this, [this, path] { MRUItemClick(path); });
        m_recentActions.append(a);
    }
}

void TCalendarMain::writeRecentFiles()
{
    try {
        IniFile file = SettingsFile();
        m_recent.save(file);
    } catch (const Error &e) {
        showError(e);
    }
}

// ---- Preferences, zoom and hints ----

void TCalendarMain::LoadPreferences()
{
    // The icon libraries lie where the build or the install put them.
    m_prefs = DesignerPreferences::load(SettingsFile(), IconLibraryFolder() + QLatin1Char('/'));
    m_iconSetsMenu->ShowPreferredIconFile(m_prefs.IconFile);
    m_mnuShowHints->setChecked(m_prefs.ShowHints);
    SetButtons();
}

void TCalendarMain::SavePreferences()
{
    m_prefs.ShowHints = m_mnuShowHints->isChecked();
    m_prefs.IconFile = m_iconListBox->fileName();
    try {
        IniFile file = SettingsFile();
        m_prefs.save(file);
    } catch (const Error &e) {
        showError(e);
    }
}

void TCalendarMain::ZoomPlusButtonClick()
{
    DoSaveRichtext();
    m_page->SetMagnification(ZoomedIn(m_page->Magnification()));
    SetCaption();
    SetButtons();
}

void TCalendarMain::ZoomMinusButtonClick()
{
    DoSaveRichtext();
    m_page->SetMagnification(ZoomedOut(m_page->Magnification()));
    SetCaption();
    SetButtons();
}

void TCalendarMain::mnuShowHintClick()
{
    m_prefs.ShowHints = m_mnuShowHints->isChecked();
    SavePreferences();
}

// ---- Closing ----

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    if (!CheckSaveNeeded()) {
        SetButtons();
        event->ignore();
        return;
    }
    m_prefs.MainZoom = m_page->Magnification();
    SavePreferences();
    try {
        SaveWindowPlacement(this);
    } catch (const Error &e) {
        showError(e);
    }
    event->accept();
}

} // namespace ql
