#pragma once

#include <QMenu>
#include <QVector>

namespace ql {

class DesignerDialogs;
class IconListBox;

// The check marks of the icon set menu for the icon library preference
// iconFile: the five shipped libraries, then "Other". A library is checked
// when the upper-cased path contains its upper-cased file name anywhere. If
// one is, "Other" is not; otherwise "Other" is checked when iconFile names a
// file that exists (fileExists), and keeps otherWasChecked when it does not.
QVector<bool> IconSetCheckMarks(const QString &iconFile, bool fileExists, bool otherWasChecked);

// The menu the icon set button drops down: the five icon libraries shipped
// with the designer and "Other" for any file holding icons. Choosing an item
// loads the icon list and emits iconSetChosen, after which the window saves
// its preferences and sets its buttons.
class IconSetsMenu : public QMenu
{
    Q_OBJECT

public:
    // The file filter of the "Other" file dialog.
    static const QString OtherFilter;
    // The library the list falls back to when it would show no icons.
    static const QString FallbackLibrary;

    // dialogs must outlive the menu; parent is the window the dialogs belong to.
    IconSetsMenu(IconListBox &list, DesignerDialogs &dialogs, QWidget *parent);

    // The full path of a shipped library.
    static QString LibraryPath(const QString &fileName);

    // The six items in menu order.
    const QList<QAction *> &items() const { return m_items; }

    void mnuActivitiesICLClick() { chooseLibrary(0); }
    void mnuEventsICLClick() { chooseLibrary(1); }
    void mnuHolidaysICLClick() { chooseLibrary(2); }
    void mnuMisc1ICLClick() { chooseLibrary(3); }
    void mnuMisc2ICLClick() { chooseLibrary(4); }
    // Asks for a file until one with icons is chosen or the dialog is
    // cancelled; a list left without icons falls back to FallbackLibrary.
    void mnuOtherICONFILEClick();

    // Sets the check marks for the icon library preference.
    void SetCheckMarks(const QString &iconFile);
    // Shows the preferred library: loads iconFile into the list when it exists
    // and is not shown already, and falls back to FallbackLibrary when the list
    // then holds no icons. A missing file leaves the list as it is.
    void ShowPreferredIconFile(const QString &iconFile);

signals:
    void iconSetChosen();

private:
    void chooseLibrary(int index);

    IconListBox &m_list;
    DesignerDialogs &m_dialogs;
    QList<QAction *> m_items;
    bool m_otherChecked = false;
};

} // namespace ql
