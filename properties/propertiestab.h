#pragma once

#include "enabledcontrols.h"

#include <QList>
#include <QPair>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace ql {

class TCalendarPanel;
struct PropertiesState;

// One page of the properties dialog. load() fills its controls from the
// working copy (the page's share of DetermineSettings); its handlers write
// each change straight into the working copy, unless the dialog is updating.
class PropertiesTab : public QWidget
{
    Q_OBJECT

public:
    PropertiesTab(const QString &heading, PropertiesState &state, QWidget *parent = nullptr);

    virtual void load(const TCalendarPanel &page) = 0;
    // Enables the page's controls for the working copy's layout.
    virtual void setButtons(const EnabledControls &enabled);

protected:
    // The page's controls go below the heading.
    QVBoxLayout *body() const { return m_body; }
    QLabel *headingLabel() const { return m_heading; }
    // The control is enabled only when the layout has that part.
    void setScope(QWidget *control, ControlScope scope);

    PropertiesState &m_state;

private:
    QLabel *m_heading = nullptr;
    QVBoxLayout *m_body = nullptr;
    QList<QPair<QWidget *, ControlScope>> m_scoped;
};

} // namespace ql
