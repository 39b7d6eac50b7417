#include "mainform.h"

#include "buttonglyphs.h"
#include "canvaspanel.h"
#include "dayicon.h"
#include "error.h"
#include "monthgridlayout.h"
#include "monthgridpainter.h"
#include "programfolders.h"
#include "singleinstance.h"
#include "traydialogs.h"
#include "windowplacement.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace ql {

namespace {

constexpr int ClientWidth = 332;
constexpr int ClientHeight = 356;
constexpr int NavigationBarHeight = 33;
constexpr int NotesHeight = 124;
constexpr int DateBarHeight = 31;
constexpr int HelpContext = 1000;
constexpr int DayTimerMs = 20000;

QWidget *bar(QWidget *parent, int height)
{
    auto *panel = new QWidget(parent);
    panel->setFixedHeight(height);
    return panel;
}

QToolButton *newSpeedButton(QWidget *panel, const QRect &geometry, const QString &hint)
{
    auto *button = new QToolButton(panel);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

std::uint8_t styleBits(const CalendarFontChoice &font)
{
    return (font.Bold ? fsBold : 0) | (font.Italic ? fsItalic : 0)
           | (font.Underline ? fsUnderline : 0) | (font.StrikeOut ? fsStrikeOut : 0);
}

} // namespace

TMainForm::TMainForm(MainFormEnvironment environment, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_environment(std::move(environment)),
      m_dialogs(m_environment.dialogs ? m_environment.dialogs : std::make_shared<TrayDialogs>()),
      m_notes(DataFolder() + QStringLiteral("Notes/"))
{
    m_pixelsPerInch = m_environment.pixelsPerInch;
    if (m_pixelsPerInch <= 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        m_pixelsPerInch = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    }
    setWindowTitle(QStringLiteral("Osprel - Month Calendar and Notes"));
    createControls();
    createMenus();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(ClientWidth, ClientHeight);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_canvasPanel = new TCanvasPanel(client);
    m_canvasPanel->setColor(Qt::white);
    m_canvasPanel->setPaintHandler(
        [this](QPainter &painter, const QSize &size) { CanvasPanelPaint(painter, size); });
    connect(m_canvasPanel, &TCanvasPanel::clicked, this, &TMainForm::CanvasPanelClick);
    layout->addWidget(m_canvasPanel, 1);

    QWidget *panel2 = bar(client, NavigationBarHeight);
    m_speedButtons[2] = newSpeedButton(panel2, {71, 4, 25, 25}, QStringLiteral("Previous year"));
    m_speedButtons[2]->setIcon(TriangleGlyph(GlyphDirection::Left, false));
    m_speedButtons[0] = newSpeedButton(panel2, {101, 4, 25, 25}, QStringLiteral("Previous month"));
    m_speedButtons[0]->setIcon(TriangleGlyph(GlyphDirection::Left, true));
    m_speedButtons[4] = newSpeedButton(panel2, {148, 4, 48, 25}, QStringLiteral("Today's date"));
    m_speedButtons[4]->setText(QStringLiteral("Today"));
    m_speedButtons[1] = newSpeedButton(panel2, {218, 4, 25, 25}, QStringLiteral("Next month"));
    m_speedButtons[1]->setIcon(TriangleGlyph(GlyphDirection::Right, true));
    m_speedButtons[3] = newSpeedButton(panel2, {248, 4, 25, 25}, QStringLiteral("Next year"));
    m_speedButtons[3]->setIcon(TriangleGlyph(GlyphDirection::Right, false));
    connect(m_speedButtons[0], &QToolButton::clicked, this, &TMainForm::SpeedButton1Click);
    connect(m_speedButtons[1], &QToolButton::clicked, this, &TMainForm::SpeedButton2Click);
    connect(m_speedButtons[2], &QToolButton::clicked, this, &TMainForm::SpeedButton3Click);
    connect(m_speedButtons[3], &QToolButton::clicked, this, &TMainForm::SpeedButton4Click);
    connect(m_speedButtons[4], &QToolButton::clicked, this, &TMainForm::SpeedButton5Click);
    layout->addWidget(panel2);

    m_notesMemo = new QPlainTextEdit(client);
    m_notesMemo->setFixedHeight(NotesHeight);
    m_notesMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notesMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(m_notesMemo);

    QWidget *panel3 = bar(client, DateBarHeight);
    m_dateButton = newSpeedButton(panel3, {4, 4, 179, 23}, QStringLiteral("Copy to clipboard"));
    connect(m_dateButton, &QToolButton::clicked, this, &TMainForm::DateButtonClick);
    m_minimizeButton =
        newSpeedButton(panel3, {205, 4, 123, 23}, QStringLiteral("Minimize to system tray"));
    m_minimizeButton->setText(QStringLiteral("Minimize"));
    m_minimizeButton->setIcon(MinimizeGlyph());
    m_minimizeButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_minimizeButton, &QToolButton::clicked, this, &TMainForm::MinimizeButtonClick);
    layout->addWidget(panel3);

    setCentralWidget(client);

    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { m_dialogs->showContextHelp(HelpContext); });

    m_popupMenu = new QMenu(this);
    connect(m_popupMenu->addAction(QStringLiteral("Show Calendar")), &QAction::triggered, this,
            &TMainForm::TrayIconClick);
    m_popupMenu->addSeparator();
    connect(m_popupMenu->addAction(QStringLiteral("Exit")), &QAction::triggered, this,
            &TMainForm::Exit);

    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(m_popupMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    TrayIconClick();
                else if (reason == QSystemTrayIcon::DoubleClick)
                    TrayIconDblClick();
            });

    m_timer.setInterval(DayTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}

void TMainForm::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    connect(file->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &TMainForm::Exit);
    file->addSeparator();
    QMenu *settings = file->addMenu(QStringLiteral("Settings"));
    connect(settings->addAction(QStringLiteral("Calendar Background Color")), &QAction::triggered,
            this, &TMainForm::CalendarColor1Click);
    connect(settings->addAction(QStringLiteral("Calendar Font")), &QAction::triggered, this,
            &TMainForm::CalendarFont1Click);
    connect(settings->addAction(QStringLiteral("Color For Days With Notes")), &QAction::triggered,
            this, &TMainForm::DaysWithNotesFont1Click);
    settings->addSeparator();
    m_mnuWeekStartsOnSunday = settings->addAction(QStringLiteral("Week Starts On Sunday"));
    m_mnuWeekStartsOnSunday->setCheckable(true);
    m_mnuWeekStartsOnSunday->setChecked(true);
    connect(m_mnuWeekStartsOnSunday, &QAction::triggered, this,
            &TMainForm::mnuWeekStartsOnSundayClick);
    m_mnuWeekStartsOnMonday = settings->addAction(QStringLiteral("Week Starts On Monday"));
    m_mnuWeekStartsOnMonday->setCheckable(true);
    connect(m_mnuWeekStartsOnMonday, &QAction::triggered, this,
            &TMainForm::mnuWeekStartsOnMondayClick);
    connect(file->addAction(QStringLiteral("Minimize")), &QAction::triggered, this,
            &TMainForm::MinimizeButtonClick);

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    connect(help->addAction(QStringLiteral("Contents")), &QAction::triggered, this,
            &TMainForm::Contents1Click);
    connect(help->addAction(QStringLiteral("About")), &QAction::triggered, this,
            &TMainForm::About1Click);
}

void TMainForm::FormCreate()
{
    // The window's size is its client area plus the menu bar, and it never
    // changes.
    setFixedSize(sizeHint());
    try {
        LoadWindowPlacement(this);
    } catch (const Error &e) {
        reportError(e.message());
    }
    LoadPreferences();

    const QDate now = today();
    Findicon();
    m_trayIcon->show();
    m_timer.start();

    if (m_notes.createFolder()) {
        try {
            m_notes.save(now, welcomeNote().join(u'\n'));
        } catch (const Error &e) {
            reportError(e.message());
        }
    }

    const QLocale locale;
    for (int m = 1; m <= 12; ++m)
        m_attributes.MonthNames[m - 1] = locale.standaloneMonthName(m, QLocale::LongFormat);
    for (int d = 1; d <= 7; ++d) // 1 = Sunday here, 7 = Sunday for QLocale
        m_attributes.DayNames[d - 1] = locale.dayName(d == 1 ? 7 : d - 1, QLocale::LongFormat);
    m_attributes.MinTitleHeight = MinimumTitleHeight(m_pixelsPerInch);
    const QSize client = m_canvasPanel->clientSize();
    m_attributes.Rect = {0, 0, client.width(), client.height()};
    m_attributes.Year = now.year();
    m_attributes.Month = now.month();
    m_attributes.SelectedDay = now.day();

    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, Qt::white);
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);

    showDate(TrayDate::fromQDate(now));
}

void TMainForm::LoadPreferences()
{
    m_preferences = ql::LoadPreferences(SettingsFile());
    applyPreferences();
}

void TMainForm::applyPreferences()
{
    const CalendarFontChoice &font = m_preferences.Font;
    const std::uint8_t style = styleBits(font);
    m_attributes.TitleFontName = m_attributes.HeadersFontName = m_attributes.CellFontName =
        font.Name;
    m_attributes.TitleFontStyle = m_attributes.HeadersFontStyle = m_attributes.CellFontStyle =
        style;
    m_attributes.TitleFontColor = m_attributes.CellFontColor = font.Color;
    m_canvasPanel->setColor(m_preferences.CalendarColor);
    m_attributes.BackgroundColor = m_attributes.TitleBGColor = m_preferences.CalendarColor;
    m_attributes.NotesColor = m_preferences.NotesColor;
    m_attributes.StartOfWeek = m_preferences.WeekStart;
    m_mnuWeekStartsOnSunday->setChecked(m_preferences.WeekStart == 1);
    m_mnuWeekStartsOnMonday->setChecked(m_preferences.WeekStart == 2);
}

void TMainForm::SavePreferences()
{
    try {
        IniFile file = SettingsFile();
        ql::SavePreferences(file, m_preferences);
    } catch (const Error &e) {
        reportError(e.message());
    }
}

void TMainForm::startMinimized()
{
    if (trayAvailable()) {
        m_inTray = true;
        return;
    }
    // Without a tray a hidden window could not be reached again.
    showMinimized();
}

QDate TMainForm::today() const
{
    return m_environment.today ? m_environment.today() : QDate::currentDate();
}

bool TMainForm::trayAvailable() const
{
    return m_environment.trayAvailable ? m_environment.trayAvailable()
                                       : QSystemTrayIcon::isSystemTrayAvailable();
}

QDate TMainForm::selectedDate() const
{
    return QDate(m_attributes.Year, m_attributes.Month, m_attributes.SelectedDay);
}

QString TMainForm::longDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::LongFormat);
}

QStringList TMainForm::welcomeNote()
{
    return {QStringLiteral("Welcome!"), QString(),
            QStringLiteral("To enter notes for a date, click on the date and type your notes."),
            QStringLiteral("Days with notes attached are shown in red."),
            QStringLiteral("To delete the notes for a date, simply erase them from this box")};
}

QString TMainForm::noTrayMessage()
{
    return QStringLiteral("This desktop has no system tray, so Osprel cannot hide there.\r"
                          "Minimizing puts it on the taskbar instead.");
}

void TMainForm::reportError(const QString &message)
{
    m_dialogs->showError(this, message);
}

// --- grid and dates ---------------------------------------------------------

void TMainForm::CanvasPanelPaint(QPainter &painter, const QSize &clientSize)
{
    m_attributes.Rect = {0, 0, clientSize.width(), clientSize.height()};
    CheckExistDays();
    PaintTheCalendar(painter);
}

void TMainForm::PaintTheCalendar(QPainter &painter)
{
    m_attributes.SelectedDay = std::clamp(m_attributes.SelectedDay, 1,
                                          MonthLength(m_attributes.Year, m_attributes.Month));
    m_attributes.BackgroundColor = m_canvasPanel->color();
    DrawTrayCalendar(painter, m_attributes, m_pixelsPerInch);
}

void TMainForm::UpdateDateCaption()
{
    QDate date;
    if (m_attributes.SelectedDay >= 1 && m_attributes.SelectedDay <= 31)
        date = selectedDate();
    if (!date.isValid())
        date = today();
    m_dateButton->setText(longDate(date));
}

void TMainForm::showDate(const TrayDate &date)
{
    m_attributes.Year = date.Year;
    m_attributes.Month = date.Month;
    m_attributes.SelectedDay = date.Day;
    UpdateDateCaption();
    if (selectedDate() != m_loadedDate)
        CheckLoadDay();
    m_canvasPanel->update();
}

void TMainForm::CanvasPanelClick(const QPoint &clientPosition)
{
    if (!CheckSaveDay())
        return;
    const int day = DayAtPoint(m_attributes.Cells, clientPosition);
    if (day == 0 || day == m_attributes.SelectedDay)
        return;
    showDate({m_attributes.Year, m_attributes.Month, day});
}

void TMainForm::navigate(TrayDate (*step)(TrayDate))
{
    if (!CheckSaveDay())
        return;
    showDate(step({m_attributes.Year, m_attributes.Month, m_attributes.SelectedDay}));
}

void TMainForm::SpeedButton1Click()
{
    navigate(PreviousMonth);
}

void TMainForm::SpeedButton2Click()
{
    navigate(NextMonth);
}

void TMainForm::SpeedButton3Click()
{
    navigate(PreviousYear);
}

void TMainForm::SpeedButton4Click()
{
    navigate(NextYear);
}

void TMainForm::SpeedButton5Click()
{
    if (!CheckSaveDay())
        return;
    showDate(TrayDate::fromQDate(today()));
}

void TMainForm::DateButtonClick()
{
    QGuiApplication::clipboard()->setText(m_dateButton->text());
}

// --- notes ------------------------------------------------------------------

QString TMainForm::notesText() const
{
    // toPlainText would also turn non-breaking spaces into spaces.
    QString text = m_notesMemo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void TMainForm::CheckExistDays()
{
    const int days = MonthLength(m_attributes.Year, m_attributes.Month);
    for (int d = 1; d <= days; ++d)
        m_attributes.NotesFlags[d - 1] =
            m_notes.hasNote(QDate(m_attributes.Year, m_attributes.Month, d));
}

void TMainForm::CheckLoadDay()
{
    m_loadedDate = selectedDate();
    QString text;
    QString failure;
    try {
        text = m_notes.load(m_loadedDate);
    } catch (const Error &e) {
        failure = e.message();
    }
    m_noteUnreadable = !failure.isEmpty();
    m_notesMemo->setPlainText(text);
    m_notesMemo->setReadOnly(m_noteUnreadable);
    m_notesMemo->document()->setModified(false);
    if (m_noteUnreadable)
        reportError(failure);
}

bool TMainForm::CheckSaveDay()
{
    if (m_noteUnreadable || !m_loadedDate.isValid() || !m_notesMemo->document()->isModified())
        return true;
    const QString text = notesText();
    try {
        if (NoteStore::isBlank(text)) {
            // A note that cannot be deleted keeps its mark; nothing to report.
            if (m_notes.hasNote(m_loadedDate))
                m_notes.remove(m_loadedDate);
        } else {
            m_notes.save(m_loadedDate, text);
        }
    } catch (const Error &e) {
        // The date stays, and so does the typing, still marked as modified.
        reportError(e.message());
        return false;
    }
    m_notesMemo->document()->setModified(false);
    m_canvasPanel->update();
    return true;
}

// --- tray -------------------------------------------------------------------

const QIcon &TMainForm::dayIcon(int day)
{
    QIcon &icon = m_dayIcons[day - 1];
    if (icon.isNull())
        icon = DayPageIcon(day);
    return icon;
}

void TMainForm::Findicon()
{
    const QDate now = today();
    m_trayIcon->setToolTip(longDate(now));
    m_lastIconDay = now.day();
    m_trayIcon->setIcon(dayIcon(now.day()));
    setWindowIcon(dayIcon(now.day()));
}

void TMainForm::Timer1Timer()
{
    if (today().day() != m_lastIconDay)
        Findicon();
}

void TMainForm::showWindow()
{
    m_inTray = false;
    SingleInstance::bringToFront(this);
}

void TMainForm::TrayIconClick()
{
    showWindow();
}

void TMainForm::TrayIconDblClick()
{
    showWindow();
}

void TMainForm::TrayIconAppMinimize()
{
    // A failed save has been reported; the window goes to the tray anyway
    // with the typing kept in the box.
    CheckSaveDay();
}

void TMainForm::MinimizeButtonClick()
{
    if (trayAvailable()) {
        TrayIconAppMinimize();
        hideToTray();
    } else {
        // changeEvent saves the note and explains the missing tray.
        setWindowState(windowState() | Qt::WindowMinimized);
    }
}

void TMainForm::hideToTray()
{
    m_inTray = true;
    hide();
}

void TMainForm::explainNoTray()
{
    if (m_noTrayExplained)
        return;
    m_noTrayExplained = true;
    m_dialogs->showInformation(this, noTrayMessage());
}

void TMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || m_hidingToTray)
        return;
    // The window manager's minimise button, or a minimised start without a
    // tray: every way of minimising saves the note.
    TrayIconAppMinimize();
    if (trayAvailable()) {
        // Leaving the minimised state is done after the window manager has
        // finished minimising, from the event loop.
        m_hidingToTray = true;
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            hideToTray();
            m_hidingToTray = false;
        });
    } else {
        explainNoTray();
    }
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_inTray = false;
}

// --- settings ---------------------------------------------------------------

void TMainForm::CalendarColor1Click()
{
    if (const auto color = m_dialogs->chooseColor(this, m_canvasPanel->color(),
                                                  QStringLiteral("Calendar Background Color"))) {
        m_preferences.CalendarColor = *color;
        applyPreferences();
        SavePreferences();
    }
    m_canvasPanel->update();
}

void TMainForm::CalendarFont1Click()
{
    const auto font = m_dialogs->chooseFont(this, m_preferences.Font);
    if (!font)
        return;
    m_preferences.Font = *font;
    applyPreferences();
    SavePreferences();
    m_canvasPanel->update();
}

void TMainForm::DaysWithNotesFont1Click()
{
    if (const auto color = m_dialogs->chooseColor(this, m_preferences.NotesColor,
                                                  QStringLiteral("Color For Days With Notes"))) {
        m_preferences.NotesColor = *color;
        applyPreferences();
        SavePreferences();
    }
    m_canvasPanel->update();
}

void TMainForm::mnuWeekStartsOnSundayClick()
{
    m_mnuWeekStartsOnMonday->setChecked(!m_mnuWeekStartsOnSunday->isChecked());
    SetWeekStartsOn();
}

void TMainForm::mnuWeekStartsOnMondayClick()
{
    m_mnuWeekStartsOnSunday->setChecked(!m_mnuWeekStartsOnMonday->isChecked());
    SetWeekStartsOn();
}

void TMainForm::SetWeekStartsOn()
{
    m_preferences.WeekStart = m_mnuWeekStartsOnSunday->isChecked() ? 1 : 2;
    m_attributes.StartOfWeek = m_preferences.WeekStart;
    SavePreferences();
    m_canvasPanel->update();
}

void TMainForm::Contents1Click()
{
    m_dialogs->showHelpContents();
}

void TMainForm::About1Click()
{
    m_dialogs->showAbout(this);
}

// --- ending -----------------------------------------------------------------

void TMainForm::Exit()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!CheckSaveDay()) {
        // Ending now would lose the typing the error was about: stay, and
        // show it, also when the exit came from the tray menu.
        event->ignore();
        showWindow();
        return;
    }
    try {
        SaveWindowPlacement(this);
    } catch (const Error &e) {
        reportError(e.message());
    }
    m_timer.stop();
    m_trayIcon->hide();
    event->accept();
    emit closed();
}

} // namespace ql
