#include "propertiesdialogs.h"

#include "aboutbox.h"
#include "calendarproperties.h"
#include "centerform.h"

#include <QPushButton>

namespace ql {

bool RunCalendarProperties(QWidget *parent, TCalendarPanel &example,
                           const PropertiesOptions &options, PropertiesPrompts *prompts)
{
    TCalendarProperties dialog(parent, prompts);
    TCalendarPanel &working = dialog.ExampleCalendar();
    working.SetMagnification(example.Magnification());
    dialog.SetApplyDefaultStyle(options.ApplyDefaultStyle);
    dialog.SetWarnOnLayoutChange(options.WarnOnLayoutChange);
    dialog.SetInitialLayoutClass(options.InitialLayoutClass);
    working.AssignSettings(example);
    CenterForm(&dialog);
    const bool ok = dialog.exec() == QDialog::Accepted;
    example.SetMagnification(working.Magnification());
    if (ok)
        example.AssignSettings(working);
    return ok;
}

bool PropertiesDialogs::runProperties(QWidget *parent, TCalendarPanel &example,
                                      const PropertiesOptions &options)
{
    return RunCalendarProperties(parent, example, options);
}

void PropertiesDialogs::about(QWidget *parent)
{
    TAboutBox box(parent);
    CenterForm(&box);
    box.okButton()->setVisible(true);
    box.exec();
}

} // namespace ql
