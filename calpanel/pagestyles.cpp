#include "pagestyles.h"

#include "calendarpanel.h"

namespace ql {

void ApplyDesignerStyle(TCalendarPanel &page, PageRole role)
{
    auto sized = [](CalFont f, int size, TColor color) {
        f.Size = size;
        f.Color = color;
        return f;
    };
    page.SetTitleFont(sized(page.TitleFont(), role == PageRole::MainWindow ? 26 : 48, clBlack));
    page.SetHeadersFont(sized(page.HeadersFont(), 16, clBlack));
    page.SetCellFont(sized(page.CellFont(), 16, clBlack));
    page.SetHeadersStyle(dsWhole);
    CalFont miniTitle = page.MiniTitleFont();
    miniTitle.Size = 10;
    page.SetMiniTitleFont(miniTitle);
    CalFont miniHeaders = page.MiniHeadersFont();
    miniHeaders.Size = 8;
    page.SetMiniHeadersFont(miniHeaders);
    CalFont miniCell = page.MiniCellFont();
    miniCell.Size = 8;
    page.SetMiniCellFont(miniCell);
    page.SetMiniCellBorder(cbAll);
    page.SetMiniHeadersBGColor(clBlack);
}

} // namespace ql
