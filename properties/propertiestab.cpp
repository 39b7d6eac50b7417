#include "propertiestab.h"

#include "dialogtexts.h"
#include "propertiesstate.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ql {

PropertiesTab::PropertiesTab(const QString &heading, PropertiesState &state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    m_body = new QVBoxLayout(this);
    m_body->setContentsMargins(6, 4, 6, 4);
    m_heading = new QLabel(LabelText(heading), this);
    m_heading->setObjectName(QStringLiteral("Heading"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    m_heading->setFont(font);
    m_body->addWidget(m_heading);
}

void PropertiesTab::setScope(QWidget *control, ControlScope scope)
{
    m_scoped.append({control, scope});
}

void PropertiesTab::setButtons(const EnabledControls &enabled)
{
    for (const auto &[control, scope] : std::as_const(m_scoped))
        control->setEnabled(enabled.allows(scope));
}

} // namespace ql
