#include "calendarproperties.h"

#include "buttonpictures.h"
#include "calendarpanelwidget.h"
#include "datetab.h"
#include "dayplannertab.h"
#include "dialogtexts.h"
#include "enabledcontrols.h"
#include "error.h"
#include "fontscolorstab.h"
#include "languagetab.h"
#include "layouttab.h"
#include "marginstab.h"
#include "pagestyles.h"
#include "stylelisttab.h"
#include "stylesheetcommands.h"
#include "widgetprompts.h"
#include "windowplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ql {

namespace {

const char *const kTabCaptions[] = {
    "Layout", "Date", "Fonts && Colors", "Mini Fonts && Colors", "Header Styles",
    "Line Styles", "Day Planner", "Language", "Margins",
};

const QString kEraseQuestion = QStringLiteral(
    "Warning: changing to this type of layout\rwill erase all text and icons from the "
    "current\rcalendar. Proceed?");

} // namespace

TCalendarProperties::TCalendarProperties(QWidget *parent, PropertiesPrompts *prompts)
    : QDialog(parent),
      m_ownPrompts(prompts ? nullptr : std::make_unique<WidgetPrompts>()),
      m_state(m_example, prompts ? *prompts : *m_ownPrompts)
{
    // The example page's creation values; AssignSettings leaves the number
    // position and the borders outside the line presets as they are here.
    ApplyDesignerStyle(m_example, PageRole::Example);
    m_example.SetCalendarLayout(loFCMinisInTitleLS);
    m_example.SetMainCalMonth(12);
    m_example.SetMainCalYear(1997);
    m_example.SetMainCalDay(0);
    m_example.SetMagnification(30);

    // FormCreate
    m_state.Updating = true;
    m_state.StartingDateMode = false;
    buildFrame();
}

TCalendarProperties::~TCalendarProperties()
{
    // The pages and the example's widget go first: the dialog hides itself
    // only in QDialog's destructor, after the working copy is gone, and a
    // name box losing the focus then would write into it.
    m_pages.clear();
    delete m_notebook;
    delete m_scrollBox;
}

void TCalendarProperties::buildFrame()
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook"));
    m_notebook->setFixedWidth(300);
    m_layoutPage = new LayoutTab(m_state);
    m_datePage = new DateTab(m_state);
    m_languagePage = new LanguageTab(m_state);
    m_pages = {m_layoutPage,
               m_datePage,
               FontsColorsTab::mainCalendarPage(m_state),
               FontsColorsTab::miniCalendarPage(m_state),
               StyleListTab::headerStylesPage(m_state),
               StyleListTab::lineStylesPage(m_state),
               new DayPlannerTab(m_state),
               m_languagePage,
               new MarginsTab(m_state)};
    for (PropertiesTab *page : std::as_const(m_pages))
        m_notebook->addWidget(page);
    connect(m_layoutPage, &LayoutTab::layoutClicked, this, &TCalendarProperties::LayoutListClick);

    // The example calendar in its grey scroll box, at (2, 2) with a single border.
    const QString exampleHint = QStringLiteral("This is an example calendar");
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setToolTip(exampleHint);
    m_scrollBox->setMinimumSize(340, 330);
    auto *holder = new QWidget;
    holder->setAutoFillBackground(true);
    QPalette grey = holder->palette();
    grey.setColor(QPalette::Window, QColor(0x8E, 0x8E, 0x8E));
    holder->setPalette(grey);
    m_scrollBox->viewport()->setPalette(grey);
    m_scrollBox->viewport()->setAutoFillBackground(true);
    auto *border = new QFrame(holder);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(1);
    auto *borderLayout = new QVBoxLayout(border);
    borderLayout->setContentsMargins(0, 0, 0, 0);
    m_exampleWidget = new CalendarPanelWidget(m_example, border);
    m_exampleWidget->setObjectName(QStringLiteral("ExampleCalendar"));
    m_exampleWidget->setToolTip(exampleHint);
    borderLayout->addWidget(m_exampleWidget);
    auto *holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(2, 2, 2, 2);
    holderLayout->addWidget(border);
    m_scrollBox->setWidget(holder);
    // The scrolled area follows the page's size at once, not after the
    // layouts between them have caught up, so the scroll bars are right
    // straight after a zoom step.
    const QSize frame(2 * 2 + 2 * border->lineWidth(), 2 * 2 + 2 * border->lineWidth());
    holder->resize(m_example.ControlSize() + frame);
    connect(&m_example, &TCalendarPanel::SizeChanged, holder,
            [holder, frame](QSize size) { holder->resize(size + frame); });

    m_zoomIn = new QToolButton(this);
    m_zoomIn->setObjectName(QStringLiteral("ZoomInButton"));
    m_zoomIn->setToolTip(QStringLiteral("Click to zoom in (make the calendar larger)"));
    m_zoomIn->setIcon(PictureIcon(ButtonPicture::ZoomIn));
    m_zoomOut = new QToolButton(this);
    m_zoomOut->setObjectName(QStringLiteral("ZoomOutbutton"));
    m_zoomOut->setToolTip(QStringLiteral("Click to zoom out (make the calendar smaller)"));
    m_zoomOut->setIcon(PictureIcon(ButtonPicture::ZoomOut));
    m_zoomLabel = new QLabel(QStringLiteral("100%"), this);
    m_zoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    auto *zoomBar = new QHBoxLayout;
    zoomBar->addWidget(m_zoomIn);
    zoomBar->addWidget(m_zoomOut);
    zoomBar->addWidget(m_zoomLabel);
    zoomBar->addStretch();
    connect(m_zoomIn, &QToolButton::clicked, this, &TCalendarProperties::ZoomInButtonClick);
    connect(m_zoomOut, &QToolButton::clicked, this, &TCalendarProperties::ZoomOutbuttonClick);

    auto *exampleColumn = new QVBoxLayout;
    exampleColumn->addWidget(m_scrollBox, 1);
    exampleColumn->addLayout(zoomBar);
    auto *top = new QHBoxLayout;
    top->addWidget(m_notebook);
    top->addLayout(exampleColumn, 1);

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSet1"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setToolTip(HintText(QStringLiteral(
        "Click a tab to work with a different aspect of \rthis calendar's properties")));
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    for (const char *caption : kTabCaptions)
        m_tabs->addTab(QString::fromLatin1(caption));
    m_tabs->setCurrentIndex(0);
    m_notebook->setCurrentIndex(0);
    connect(m_tabs, &QTabBar::currentChanged, this, &TCalendarProperties::TabSet1Click);

    struct Button
    {
        const char *name;
        const char *caption;
        const char *hint;
        void (TCalendarProperties::*click)();
    };
    const Button buttons[] = {
        {"OkButton", "OK", "Click to save changes", &TCalendarProperties::OkButtonClick},
        {"CancelButton", "Cancel", "Click to cancel changes", &QDialog::reject},
        {"SaveAsStyleSheetButton", "Save As Style Sheet",
         "Click to save these settings as a style sheet, \rwhich may be applied to other calendars "
         "you\rcreate.",
         &TCalendarProperties::SaveAsStyleSheetButtonClick},
        {"LoadStyleSheetButton", "Load Style Sheet",
         "Click to load a previously saved style sheet and\rapply the settings to this calendar",
         &TCalendarProperties::LoadStyleSheetButtonClick},
        {"Defaultbutton", "Default Style",
         "Click to apply the default style settings to\rthis calendar",
         &TCalendarProperties::DefaultbuttonClick},
        {"Helpbutton", "Help", "Click for help with Properties ",
         &TCalendarProperties::HelpbuttonClick},
    };
    auto *buttonRow = new QHBoxLayout;
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(HintText(QString::fromLatin1(b.hint)));
        button->setAutoDefault(false);
        button->setDefault(b.click == &TCalendarProperties::OkButtonClick);
        connect(button, &QPushButton::clicked, this, b.click);
        buttonRow->addWidget(button);
    }

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->addLayout(top, 1);
    main->addWidget(m_tabs);
    main->addLayout(buttonRow);
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void TCalendarProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TCalendarProperties::FormActivate()
{
    // Only the first activation after creation fills the controls.
    if (!m_state.Updating)
        return;
    // A zoom out of the dialog's range (a hand-edited settings file) would
    // give an empty or enormous example page.
    m_example.SetMagnification(std::clamp(m_example.Magnification(), kMinZoom, kMaxZoom));
    showZoom();
    try {
        LoadWindowPlacement(this);
    } catch (const Error &e) {
        showError(e.message());
    }
    if (m_applyDefaultStyle)
        m_example.ResetToDefaultStyle();
    DetermineSettings();
    m_state.Updating = false;
    LayoutListClick();
}

void TCalendarProperties::DetermineSettings()
{
    m_state.StartingDateMode = m_example.CalendarLayout() >= loWeek;
    for (PropertiesTab *page : std::as_const(m_pages))
        page->load(m_example);
    SetButtons();
}

void TCalendarProperties::SetButtons()
{
    const EnabledControls enabled = ControlsFor(m_example.CalendarLayout());
    for (PropertiesTab *page : std::as_const(m_pages))
        page->setButtons(enabled);
}

void TCalendarProperties::LayoutListClick()
{
    if (m_state.Updating)
        return;
    m_state.StartingDateMode = false;
    m_example.SetPaperSize(m_layoutPage->chosenPaperSize());
    const TCalendarLayout layout = m_layoutPage->chosenLayout(m_example.CalendarLayout());
    m_state.StartingDateMode = layout >= loWeek;
    m_datePage->CalendarChange();
    m_example.SetCalendarLayout(layout);
    // Always, also when the layout stayed: the mini fonts go back to the
    // layout's sizes.
    m_example.LayoutPage(true);
    SetButtons();
}

void TCalendarProperties::TabSet1Click(int index)
{
    m_notebook->setCurrentIndex(index);
}

void TCalendarProperties::showZoom()
{
    m_zoomLabel->setText(QString::number(m_example.Magnification()) + u'%');
}

void TCalendarProperties::ZoomInButtonClick()
{
    if (m_example.Magnification() < kMaxZoom)
        m_example.SetMagnification(std::min(m_example.Magnification() + 10, kMaxZoom));
    showZoom();
}

void TCalendarProperties::ZoomOutbuttonClick()
{
    if (m_example.Magnification() > kMinZoom)
        m_example.SetMagnification(std::max(m_example.Magnification() - 10, kMinZoom));
    showZoom();
}

void TCalendarProperties::OkButtonClick()
{
    // Names typed into a box count even when OK was reached without the box
    // losing the focus (Enter, or a click that takes no focus).
    m_languagePage->commitEdits();
    if (m_warnOnLayoutChange && m_example.LayoutClass() != m_initialLayoutClass
        && !m_state.Prompts.question(this, kEraseQuestion, QStringLiteral("WARNING"))) {
        return;
    }
    accept();
}

void TCalendarProperties::HelpbuttonClick()
{
    m_state.Prompts.help(this, kFirstHelpContext + m_notebook->currentIndex());
}

template<typename Change>
void TCalendarProperties::refreshAfter(Change change)
{
    m_state.Updating = true;
    change();
    DetermineSettings();
    m_state.Updating = false;
    LayoutListClick();
}

void TCalendarProperties::DefaultbuttonClick()
{
    refreshAfter([this] { m_example.ResetToDefaultStyle(); });
}

void TCalendarProperties::SaveAsStyleSheetButtonClick()
{
    m_languagePage->commitEdits();
    StyleSheetCommands(m_example, m_state.Prompts, this).save();
}

void TCalendarProperties::LoadStyleSheetButtonClick()
{
    StyleSheetCommands commands(m_example, m_state.Prompts, this);
    const QString name = commands.chooseFileToLoad();
    if (name.isEmpty())
        return;
    refreshAfter([&commands, &name] { commands.load(name); });
}

void TCalendarProperties::showError(const QString &message)
{
    m_state.Prompts.information(this, message);
}

void TCalendarProperties::done(int result)
{
    // FormClose
    try {
        SaveWindowPlacement(this);
    } catch (const Error &e) {
        showError(e.message());
    }
    QDialog::done(result);
}

} // namespace ql
