#include "windowplacement.h"

#include "centerform.h"
#include "inifile.h"
#include "programfolders.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ql {

namespace {

const QString KeyLeft = QStringLiteral("Left");
const QString KeyTop = QStringLiteral("Top");
const QString KeyRight = QStringLiteral("Right");
const QString KeyBottom = QStringLiteral("Bottom");
const QString KeyMaximized = QStringLiteral("Maximized");

} // namespace

ScreenMetrics PrimaryScreenMetrics()
{
    ScreenMetrics metrics;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        metrics.Width = screen->geometry().width();
        metrics.Height = screen->geometry().height();
        metrics.PixelsPerInch = qRound(screen->logicalDotsPerInchY() * screen->devicePixelRatio());
    }
    return metrics;
}

QString WindowClassName(const QWidget *window)
{
    const QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QStringLiteral("::"));
    return colons < 0 ? name : name.mid(colons + 2);
}

QString PlacementSectionName(const QString &className, int pixelsPerInch)
{
    QString section = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        section += QString::number(pixelsPerInch);
    return section;
}

WindowPlacement FitPlacementToScreen(WindowPlacement p, int screenWidth, int screenHeight)
{
    if (screenWidth < p.Right) {
        p.Left += screenWidth - p.Right;
        p.Right = screenWidth;
    }
    if (screenHeight < p.Bottom) {
        p.Top += screenHeight - p.Bottom;
        p.Bottom = screenHeight;
    }
    return p;
}

WindowPlacement ReadWindowPlacement(const IniFile &file, const QString &section,
                                    bool maximizedDefault)
{
    WindowPlacement p;
    p.Left = file.readInteger(section, KeyLeft, 0);
    p.Top = file.readInteger(section, KeyTop, 0);
    p.Right = file.readInteger(section, KeyRight, 0);
    p.Bottom = file.readInteger(section, KeyBottom, 0);
    p.Maximized = file.readBool(section, KeyMaximized, maximizedDefault);
    return p;
}

void WriteWindowPlacement(IniFile &file, const QString &section, const WindowPlacement &p)
{
    file.writeInteger(section, KeyLeft, p.Left);
    file.writeInteger(section, KeyTop, p.Top);
    file.writeInteger(section, KeyRight, p.Right);
    file.writeInteger(section, KeyBottom, p.Bottom);
    file.writeBool(section, KeyMaximized, p.Maximized);
}

void LoadWindowPlacement(QWidget *window)
{
    IniFile file = SettingsFile();
    LoadWindowPlacement(window, file, PrimaryScreenMetrics());
}

void LoadWindowPlacement(QWidget *window, IniFile &file, const ScreenMetrics &screen)
{
    const QString section = PlacementSectionName(WindowClassName(window), screen.PixelsPerInch);
    WindowPlacement p = ReadWindowPlacement(file, section, window->isMaximized());
    if (p.Bottom != 0)
        p = FitPlacementToScreen(p, screen.Width, screen.Height);
    // A rectangle without area comes from a damaged or hand-edited file:
    // treat it like a first run rather than shrink the window to nothing.
    if (p.Bottom != 0 && p.Right > p.Left && p.Bottom > p.Top)
        window->setGeometry(p.Left, p.Top, p.Right - p.Left, p.Bottom - p.Top);
    else
        CenterForm(window, screen);
    if (p.Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    SaveWindowPlacement(window, file, screen);
}

void SaveWindowPlacement(QWidget *window)
{
    IniFile file = SettingsFile();
    SaveWindowPlacement(window, file, PrimaryScreenMetrics());
}

void SaveWindowPlacement(QWidget *window, IniFile &file, const ScreenMetrics &screen)
{
    QRect r = window->normalGeometry();
    if (r.isEmpty())
        r = window->geometry();
    WindowPlacement p;
    p.Left = r.x();
    p.Top = r.y();
    p.Right = r.x() + r.width();
    p.Bottom = r.y() + r.height();
    p.Maximized = window->windowState().testFlag(Qt::WindowMaximized);
    WriteWindowPlacement(file, PlacementSectionName(WindowClassName(window), screen.PixelsPerInch),
                         p);
}

} // namespace ql
