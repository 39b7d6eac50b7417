#pragma once

#include "designerpreferences.h"
#include "recentfiles.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace ql {

class CalendarPanelWidget;
class CellEditor;
class CellStorage;
class DesignerDialogs;
class Error;
class FormatToolBar;
class IconListBox;
class IconSetsMenu;
class PrinterGeometrySource;
class PrinterSystem;
class TCalendarPanel;
struct TRect;

// The designer's main window: one calendar page in a scroll box, the cell
// editor laid over one cell at a time, the formatting toolbar, the button
// column and icon panel, and the File and Help menus. It owns the document
// state (file name, modified flag, the cell being edited); every command
// commits an open cell edit first and ends with SetButtons.
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    // dialogs answers every modal question; printers tells whether printing
    // is possible. Both must outlive the window.
    TCalendarMain(DesignerDialogs &dialogs, const PrinterSystem &printers,
                  QWidget *parent = nullptr);
    ~TCalendarMain() override;

    // The first activation: restores the placement and shows the window,
    // checks for a printer, applies the default style and reopens the most
    // recent calendar file. Later calls do nothing.
    void FormActivate();

    const QString &FileName() const { return m_fileName; }
    bool Modified() const { return m_modified; }
    int CurrentCell() const { return m_currentCell; }
    bool EditorInUse() const { return m_editorInUse; }
    bool PrinterAvailable() const { return m_printerAvailable; }
    TCalendarPanel &CalendarPanel() { return *m_page; }
    CalendarPanelWidget *pageWidget() const { return m_pageWidget; }
    CellEditor *editor() const { return m_editor; }
    FormatToolBar *toolBar() const { return m_toolbar; }
    QScrollArea *scrollBox() const { return m_scrollBox; }
    const RecentFiles &recentFiles() const { return m_recent; }
    const DesignerPreferences &preferences() const { return m_prefs; }
    IconListBox *iconListBox() const { return m_iconListBox; }
    IconSetsMenu *iconSetsMenu() const { return m_iconSetsMenu; }

    // Commands, named after the controls that run them.
    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    // True when a file was written.
    bool mnuSaveAsClick();
    void mnuSaveAsBitmapClick();
    void mnuPropertiesClick();
    void mnuCancelChangesClick();
    void mnuClearAllCellContentsClick();
    void DefaultEditorFont1Click();
    void SavebuttonClick();
    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    void mnuShowHintClick();
    void mnuPrintCalendarClick();
    void PrintbuttonClick() { mnuPrintCalendarClick(); }
    void mnuPrintSetupClick();
    void MRUItemClick(const QString &path);

    // True when the file was read; otherwise no document is left.
    bool OpenCalendarFile(const QString &path);
    // True when the file was written; otherwise the failure has been shown
    // and the file name and modified flag are as they were.
    bool SaveCalendarFile(const QString &path);
    // The save prompt. False when the user wanted the changes saved and they
    // were not (Save As cancelled, or the save failed): the command that asked
    // must not go on, or the changes would be lost.
    bool CheckSaveNeeded();

    void DoSaveRichtext();
    void SetDefaultFontNow();
    void SetModified(bool value);
    void SetButtons();
    void SetCaption();
    void LoadPreferences();
    void SavePreferences();
    // True when printing may go ahead: the margins fit the printer, or the
    // user had them widened.
    bool CheckPrinterMargins();

    // Where the margin check reads a printer's sheet; null (the default) for
    // the real printer's page layout. Tests give printers of known numbers.
    void setPrinterGeometrySource(const PrinterGeometrySource *source) { m_geometry = source; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    QWidget *createIconPanel();
    void CalendarPanelClickedInCellEvent(const TRect &rTotal, const TRect &rFree, int iCell,
                                         int iDay, CellStorage &storage);
    void WPRichText1Enter();
    void WPRichText1Change();
    // Icons dragged from the icon list onto the page or into the open editor.
    bool CalendarPanelDragOver(const QPoint &p);
    void CalendarPanelDragDrop(const QPoint &p, int row);
    void WPRichText1DragDrop(int row);
    bool HandleAppMessage(QObject *watched, QEvent *event);
    void setPageVisible(bool visible);
    void placePage();
    void rebuildRecentMenu();
    void writeRecentFiles();
    void showError(const Error &error);
    QPrinter &printer();
    const PrinterGeometrySource &printerGeometry() const;
    void resumeCellEdit(int cell, int anchor, int position);

    DesignerDialogs &m_dialogs;
    const PrinterSystem &m_printers;
    std::unique_ptr<TCalendarPanel> m_page;
    std::unique_ptr<QPrinter> m_printer;
    const PrinterGeometrySource *m_geometry = nullptr;

    // Document state.
    QString m_fileName;
    bool m_modified = false;
    bool m_starting = true;
    bool m_editorReady = false;
    bool m_editorInUse = false;
    CellStorage *m_editedStorage = nullptr;
    int m_currentCell = 0;
    bool m_newInProgress = false;
    bool m_propertiesAccepted = false;
    bool m_printerAvailable = false;
    DesignerPreferences m_prefs;
    RecentFiles m_recent;

    // Controls.
    FormatToolBar *m_toolbar = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QWidget *m_canvas = nullptr;
    CalendarPanelWidget *m_pageWidget = nullptr;
    CellEditor *m_editor = nullptr;
    QToolButton *m_zoomPlusButton = nullptr;
    QToolButton *m_zoomMinusButton = nullptr;
    QToolButton *m_propertiesButton = nullptr;
    QToolButton *m_printButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QWidget *m_iconBar = nullptr;
    QToolButton *m_iconBarButton = nullptr;
    IconListBox *m_iconListBox = nullptr;
    IconSetsMenu *m_iconSetsMenu = nullptr;

    QMenu *m_fileMenu = nullptr;
    QAction *m_mnuNew = nullptr;
    QAction *m_mnuOpen = nullptr;
    QAction *m_mnuSave = nullptr;
    QAction *m_mnuSaveAs = nullptr;
    QAction *m_mnuSaveAsBitmap = nullptr;
    QAction *m_mnuProperties = nullptr;
    QAction *m_mnuCancelChanges = nullptr;
    QAction *m_mnuClearAllCellContents = nullptr;
    QAction *m_mnuDefaultEditorFont = nullptr;
    QAction *m_mnuPrintCalendar = nullptr;
    QAction *m_mnuPrintSetup = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuContents = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuShowHints = nullptr;
    QList<QAction *> m_recentActions;
};

} // namespace ql
