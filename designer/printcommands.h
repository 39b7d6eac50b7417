#pragma once

class QPrinter;
class QString;
class QWidget;

namespace ql {

class DesignerDialogs;
class PrinterGeometrySource;
class TCalendarPanel;

// What the Print and Print Setup commands do with the page and a printer,
// apart from the window: the paper and orientation the printer is given,
// the printer margin check and the printing itself. The window shows the
// dialogs around them, keeps the cell editor and repaints.
class PrintCommands
{
public:
    enum class MarginOutcome
    {
        Fits,     // nothing to ask, or the printer could not be read
        Adjusted, // the user had the margins widened to the printer's minimum
        Declined, // the user kept margins the printer cannot print
    };

    // geometry reads the printer's sheet for the margin check; questions go
    // through dialogs, over parent.
    PrintCommands(TCalendarPanel &page, const PrinterGeometrySource &geometry,
                  DesignerDialogs &dialogs, QWidget *parent);

    // The page's paper (Letter or A4) given to the printer.
    void givePaperSize(QPrinter &printer) const;
    // The printer turned to the page's orientation.
    void giveOrientation(QPrinter &printer) const;

    // Compares the page's margins with the area the printer can print, with
    // the printer in the page's orientation, and when a side is outside asks
    // whether to widen it; on Yes every such side gets exactly the printer's
    // minimum (the page lays itself out again). A printer that cannot be
    // read is taken to fit: printing then reports what is wrong with it.
    MarginOutcome checkPrinterMargins(QPrinter &printer);

    // Prints the page as one document on printer (a PDF file when the user
    // chose one), making the copies the user asked for when the printing
    // system does not. Throws Error when the printer cannot be started or
    // the document not finished. The page's cell entries hold printer
    // positions afterwards, until the page is drawn on screen again.
    void printPage(QPrinter &printer);

    // The sentence shown when printing on printer fails.
    static QString failureMessage(const QPrinter &printer);

private:
    TCalendarPanel &m_page;
    const PrinterGeometrySource &m_geometry;
    DesignerDialogs &m_dialogs;
    QWidget *m_parent = nullptr;
};

} // namespace ql
