#pragma once

namespace ql {

class TCalendarPanel;

// The look the designer gives the pages it creates, over the page's own
// defaults: black title, header and number fonts, whole day names, minis with
// black header bands and cell lines. The main window's page has a 26-point
// title; the properties dialog's small example page a 48-point one.
enum class PageRole { MainWindow, Example };
void ApplyDesignerStyle(TCalendarPanel &page, PageRole role);

} // namespace ql
