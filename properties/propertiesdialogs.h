#pragma once

#include "widgetdialogs.h"

namespace ql {

class PropertiesPrompts;

// The designer's dialogs with the real properties dialog and About box in
// place of the stand-ins. The program creates this one instead of
// WidgetDialogs (and links the properties library).
class PropertiesDialogs : public WidgetDialogs
{
public:
    bool runProperties(QWidget *parent, TCalendarPanel &example,
                       const PropertiesOptions &options) override;
    void about(QWidget *parent) override;
};

// The Properties command's part in between: runs TCalendarProperties on a
// copy of example's settings at example's zoom; afterwards example has the
// zoom the user left, and on OK (true) the dialog's settings.
bool RunCalendarProperties(QWidget *parent, TCalendarPanel &example,
                           const PropertiesOptions &options, PropertiesPrompts *prompts = nullptr);

} // namespace ql
