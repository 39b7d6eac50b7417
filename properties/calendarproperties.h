#pragma once

#include "calendarpanel.h"
#include "propertiesstate.h"

#include <QDialog>
#include <memory>

class QLabel;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace ql {

class CalendarPanelWidget;
class DateTab;
class LanguageTab;
class LayoutTab;
class PropertiesPrompts;
class PropertiesTab;

// The Calendar Properties dialog: nine pages of page settings edited on a
// working copy, ExampleCalendar, shown beside them at its own zoom. It never
// touches the caller's page. The caller:
//
//   TCalendarProperties dialog(parent);
//   dialog.ExampleCalendar().SetMagnification(zoom);
//   dialog.SetApplyDefaultStyle(true);             // a new calendar, or:
//   dialog.SetInitialLayoutClass(page.LayoutClass());
//   dialog.SetWarnOnLayoutChange(page.HasContents());
//   dialog.ExampleCalendar().AssignSettings(page);
//   CenterForm(&dialog);
//   const bool ok = dialog.exec() == QDialog::Accepted;
//   zoom = dialog.ExampleCalendar().Magnification();   // always
//   if (ok) ... page.AssignSettings(dialog.ExampleCalendar()) ...
//
// The controls are filled from the working copy when the dialog is first
// shown, so everything above is done before exec().
class TCalendarProperties : public QDialog
{
    Q_OBJECT

public:
    // prompts: the file dialogs, messages, font, colour and time dialogs;
    // the real ones when null.
    explicit TCalendarProperties(QWidget *parent = nullptr, PropertiesPrompts *prompts = nullptr);
    ~TCalendarProperties() override;

    TCalendarPanel &ExampleCalendar() { return m_example; }

    // A new calendar is being set up: start from the default style.
    void SetApplyDefaultStyle(bool on) { m_applyDefaultStyle = on; }
    bool ApplyDefaultStyle() const { return m_applyDefaultStyle; }
    // The caller's page has contents: OK asks before a change of layout class.
    void SetWarnOnLayoutChange(bool on) { m_warnOnLayoutChange = on; }
    bool WarnOnLayoutChange() const { return m_warnOnLayoutChange; }
    // The caller's page's LayoutClass when the dialog was opened.
    void SetInitialLayoutClass(int layoutClass) { m_initialLayoutClass = layoutClass; }
    int InitialLayoutClass() const { return m_initialLayoutClass; }

    bool Updating() const { return m_state.Updating; }
    bool StartingDateMode() const { return m_state.StartingDateMode; }

    static constexpr int kMinZoom = 20;
    static constexpr int kMaxZoom = 100;
    static constexpr int kFirstHelpContext = 2100;

    // The frame's commands, as the buttons run them.
    void FormActivate();
    void TabSet1Click(int index);
    void ZoomInButtonClick();
    void ZoomOutbuttonClick();
    void OkButtonClick();
    void HelpbuttonClick();
    void DefaultbuttonClick();
    void SaveAsStyleSheetButtonClick();
    void LoadStyleSheetButtonClick();
    // Applies the layout list, orientation and paper to the working copy and
    // lays it out with the layout's mini font sizes.
    void LayoutListClick();
    // Working copy to controls.
    void DetermineSettings();
    // Enables the controls by the working copy's layout.
    void SetButtons();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildFrame();
    void showZoom();
    // Runs a bulk change of the working copy with the controls following it.
    template<typename Change>
    void refreshAfter(Change change);
    void showError(const QString &message);

    TCalendarPanel m_example;
    std::unique_ptr<PropertiesPrompts> m_ownPrompts;
    PropertiesState m_state;
    bool m_applyDefaultStyle = false;
    bool m_warnOnLayoutChange = false;
    int m_initialLayoutClass = 1;

    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    CalendarPanelWidget *m_exampleWidget = nullptr;
    QToolButton *m_zoomIn = nullptr;
    QToolButton *m_zoomOut = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QList<PropertiesTab *> m_pages;
    LayoutTab *m_layoutPage = nullptr;
    DateTab *m_datePage = nullptr;
    LanguageTab *m_languagePage = nullptr;
};

} // namespace ql
