#pragma once

#include <QString>

class QWidget;

namespace ql {

class IniFile;

// A window's normal (not maximised) rectangle as the settings file keeps it:
// Right and Bottom exclusive; Bottom 0 means nothing is stored.
struct WindowPlacement
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Maximized = false;

    bool operator==(const WindowPlacement &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom &&
               Maximized == o.Maximized;
    }
};

// What placement and centring need to know of the primary screen.
struct ScreenMetrics
{
    int Width = 0;
    int Height = 0;
    int PixelsPerInch = 96;

    bool operator==(const ScreenMetrics &o) const
    {
        return Width == o.Width && Height == o.Height && PixelsPerInch == o.PixelsPerInch;
    }
};

// The primary screen; pixels per inch are the screen's own logical
// resolution (Qt's logical DPI times its scale factor), so a 120 dpi screen
// keeps its own placements even when Qt scales the windows.
ScreenMetrics PrimaryScreenMetrics();

// The name a window's placement section and centring go by: its C++ class
// name without namespace ("ql::TCalendarMain" gives "TCalendarMain").
QString WindowClassName(const QWidget *window);

// "TMainForm_Placement", with the pixels per inch appended above 96
// ("TMainForm_Placement120") so each screen resolution keeps its own placement.
QString PlacementSectionName(const QString &className, int pixelsPerInch);

// A rectangle saved on a larger screen is moved left and up until its right
// and bottom edges are on the screen again; its size stays, and edges off the
// screen to the left or top are left alone.
WindowPlacement FitPlacementToScreen(WindowPlacement placement, int screenWidth, int screenHeight);

WindowPlacement ReadWindowPlacement(const IniFile &file, const QString &section,
                                    bool maximizedDefault);
// Throws Error when the settings file cannot be written.
void WriteWindowPlacement(IniFile &file, const QString &section, const WindowPlacement &placement);

// Restores the stored placement of the window, or centres it with its
// designed size when none is stored yet (first run); maximises it when it was
// maximised; then saves the placement at once so the section exists from the
// first run on. The stored rectangle is the window's client geometry in
// screen coordinates (QWidget::normalGeometry), which comes back exactly
// whatever frame the window manager draws. When the settings file cannot be
// written, the window is placed all the same and then Error is thrown, so the
// caller decides whether to tell the user and carry on.
void LoadWindowPlacement(QWidget *window);
void LoadWindowPlacement(QWidget *window, IniFile &file, const ScreenMetrics &screen);
// Writes the window's normal rectangle and whether it is maximised; a
// minimised or hidden window stores the rectangle it had when last shown.
void SaveWindowPlacement(QWidget *window);
void SaveWindowPlacement(QWidget *window, IniFile &file, const ScreenMetrics &screen);

} // namespace ql
