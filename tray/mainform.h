#pragma once

#include "calendarattributes.h"
#include "notestore.h"
#include "traydate.h"
#include "traypreferences.h"

#include <QDate>
#include <QIcon>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QSystemTrayIcon;
class QToolButton;

namespace ql {

class TCanvasPanel;
class TrayDialogs;

// What the window takes from its surroundings; tests replace each part.
struct MainFormEnvironment
{
    // Today's date; the system clock when empty.
    std::function<QDate()> today;
    // The screen's logical pixels per inch when 0.
    int pixelsPerInch = 0;
    // Whether the desktop has a notification area to hide into; asked at
    // every minimise. QSystemTrayIcon::isSystemTrayAvailable when empty.
    std::function<bool()> trayAvailable;
    // The dialogs and message boxes; real ones when null.
    std::shared_ptr<TrayDialogs> dialogs;
};

// The tray calendar's window: a month grid, five navigation buttons, the
// note of the selected date and the date bar, plus the tray icon that shows
// today's day of the month. The window wires controls to the commands below;
// dates, grid geometry, notes and settings live in their own classes.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(MainFormEnvironment environment = {}, QWidget *parent = nullptr);
    ~TMainForm() override;

    // A start with the window minimised: only the tray icon shows (or, on a
    // desktop without a tray, the window starts minimised).
    void startMinimized();

    // Commands, one per control event.
    void CanvasPanelClick(const QPoint &clientPosition);
    void SpeedButton1Click(); // previous month
    void SpeedButton2Click(); // next month
    void SpeedButton3Click(); // previous year
    void SpeedButton4Click(); // next year
    void SpeedButton5Click(); // today
    void DateButtonClick();
    void MinimizeButtonClick();
    void TrayIconClick();
    void TrayIconDblClick();
    void Timer1Timer();
    void CalendarColor1Click();
    void CalendarFont1Click();
    void DaysWithNotesFont1Click();
    // Run after the menu item has turned its own check mark over.
    void mnuWeekStartsOnSundayClick();
    void mnuWeekStartsOnMondayClick();
    void Contents1Click();
    void About1Click();
    void Exit();

    // For the program's wiring and the tests.
    const TCalendarAttributes &attributes() const { return m_attributes; }
    const TrayPreferences &preferences() const { return m_preferences; }
    const NoteStore &notes() const { return m_notes; }
    QDate selectedDate() const;
    TCanvasPanel *canvasPanel() const { return m_canvasPanel; }
    QPlainTextEdit *notesMemo() const { return m_notesMemo; }
    QToolButton *speedButton(int number) const { return m_speedButtons[number - 1]; }
    QToolButton *dateButton() const { return m_dateButton; }
    QToolButton *minimizeButton() const { return m_minimizeButton; }
    QAction *weekStartsOnSundayItem() const { return m_mnuWeekStartsOnSunday; }
    QAction *weekStartsOnMondayItem() const { return m_mnuWeekStartsOnMonday; }
    QMenu *trayMenu() const { return m_popupMenu; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    const QTimer &dayTimer() const { return m_timer; }
    int lastIconDay() const { return m_lastIconDay; }
    // Hidden into the tray: the window is not shown, the tray icon is.
    bool isInTray() const { return m_inTray; }
    // The notes box's text with '\n' line breaks, exactly as it is stored.
    QString notesText() const;

    static QString longDate(const QDate &date);
    static QStringList welcomeNote();
    static QString noTrayMessage();

signals:
    // The window closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createMenus();
    void FormCreate();
    void LoadPreferences();
    void SavePreferences();
    void applyPreferences();
    void CanvasPanelPaint(QPainter &painter, const QSize &clientSize);
    void PaintTheCalendar(QPainter &painter);
    void UpdateDateCaption();
    void CheckExistDays();
    void CheckLoadDay();
    bool CheckSaveDay();
    void Findicon();
    void TrayIconAppMinimize();
    void SetWeekStartsOn();
    void showDate(const TrayDate &date);
    void navigate(TrayDate (*step)(TrayDate));
    void showWindow();
    void hideToTray();
    void explainNoTray();
    bool trayAvailable() const;
    QDate today() const;
    const QIcon &dayIcon(int day);
    void reportError(const QString &message);

    MainFormEnvironment m_environment;
    std::shared_ptr<TrayDialogs> m_dialogs;
    int m_pixelsPerInch = 96;
    NoteStore m_notes;
    TrayPreferences m_preferences;
    TCalendarAttributes m_attributes;
    // The date whose note the notes box holds; the box is reloaded only when
    // the selected date moves away from it, so a repaint for any other reason
    // never throws away typing that is not saved yet.
    QDate m_loadedDate;
    // The selected date's file exists but could not be read (too large,
    // unreadable): the box stays empty and read-only so that typing can
    // never replace a note the user has not seen.
    bool m_noteUnreadable = false;
    int m_lastIconDay = 0;
    bool m_inTray = false;
    bool m_noTrayExplained = false;
    bool m_hidingToTray = false;
    std::array<QIcon, 31> m_dayIcons;

    TCanvasPanel *m_canvasPanel = nullptr;
    std::array<QToolButton *, 5> m_speedButtons{};
    QPlainTextEdit *m_notesMemo = nullptr;
    QToolButton *m_dateButton = nullptr;
    QToolButton *m_minimizeButton = nullptr;
    QAction *m_mnuWeekStartsOnSunday = nullptr;
    QAction *m_mnuWeekStartsOnMonday = nullptr;
    QMenu *m_popupMenu = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QTimer m_timer;
};

} // namespace ql
