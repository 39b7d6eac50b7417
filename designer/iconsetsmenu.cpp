#include "iconsetsmenu.h"

#include "designerdialogs.h"
#include "iconfile.h"
#include "iconlibrary.h"
#include "iconlistbox.h"

#include <QFileInfo>

namespace ql {

namespace {

// Whether path names an existing file, its name matched regardless of case
// as the libraries' names are.
bool iconFileExists(const IconListBox &list, const QString &path)
{
    if (path == list.fileName())
        return list.iconCount() != -1;
    return IconFile(path).count() != -1;
}

} // namespace

const QString IconSetsMenu::OtherFilter = QStringLiteral(
    "All Files (*.ICL *.DLL *.EXE *.ICO *.NIL);;ICL Files (*.ICL);;DLL Files (*.DLL);;"
    "EXE Files (*.EXE);;ICO Files (*.ICO);;NIL Files (*.NIL)");
const QString IconSetsMenu::FallbackLibrary = QStringLiteral("Misc1.icl");

QVector<bool> IconSetCheckMarks(const QString &iconFile, bool fileExists, bool otherWasChecked)
{
    const QString upper = iconFile.toUpper();
    QVector<bool> marks;
    bool anyLibrary = false;
    for (const IconLibrary &library : ShippedIconLibraries()) {
        const bool checked = upper.contains(library.fileName.toUpper());
        anyLibrary = anyLibrary || checked;
        marks.append(checked);
    }
    if (anyLibrary)
        marks.append(false);
    else if (!iconFile.isEmpty() && fileExists)
        marks.append(true);
    else
        marks.append(otherWasChecked);
    return marks;
}

IconSetsMenu::IconSetsMenu(IconListBox &list, DesignerDialogs &dialogs, QWidget *parent)
    : QMenu(parent), m_list(list), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("IconSetsMenu"));
    const QVector<IconLibrary> &libraries = ShippedIconLibraries();
    const char *names[] = {"mnuActivitiesICL", "mnuEventsICL", "mnuHolidaysICL", "mnuMisc1ICL",
                           "mnuMisc2ICL"};
    for (int i = 0; i < libraries.size(); ++i) {
        QAction *a = addAction(libraries.at(i).caption);
        a->setObjectName(QString::fromLatin1(names[i]));
        connect(a, &QAction::triggered, this, [this, i] { chooseLibrary(i); });
        m_items.append(a);
    }
    QAction *other = addAction(QStringLiteral("Other"));
    other->setObjectName(QStringLiteral("mnuOtherICONFILE"));
    connect(other, &QAction::triggered, this, &IconSetsMenu::mnuOtherICONFILEClick);
    m_items.append(other);
    for (QAction *a : std::as_const(m_items))
        a->setCheckable(true);
}

QString IconSetsMenu::LibraryPath(const QString &fileName)
{
    return IconLibraryFolder() + QLatin1Char('/') + fileName;
}

void IconSetsMenu::chooseLibrary(int index)
{
    // Whether the file holds icons is not checked here: a missing library
    // leaves the list empty and disabled.
    m_list.setFileName(LibraryPath(ShippedIconLibraries().at(index).fileName));
    emit iconSetChosen();
}

void IconSetsMenu::mnuOtherICONFILEClick()
{
    QWidget *window = parentWidget();
    const QString title = QStringLiteral("Open Icon Collection");
    const QString listed = m_list.fileName();
    const QString folder = listed.isEmpty() ? IconLibraryFolder() : QFileInfo(listed).absolutePath();
    QString chosen = m_dialogs.openFileName(window, title, folder, OtherFilter);
    if (!chosen.isEmpty())
        m_list.setFileName(chosen);
    // A missing file (count -1) is not a file without icons.
    while (m_list.iconCount() == 0) {
        m_dialogs.information(window, QStringLiteral("No icons found in ") + m_list.fileName());
        chosen = m_dialogs.openFileName(window, title, QFileInfo(m_list.fileName()).absolutePath(),
                                        OtherFilter);
        if (chosen.isEmpty())
            break;
        m_list.setFileName(chosen);
    }
    if (m_list.iconCount() == 0)
        m_list.setFileName(LibraryPath(FallbackLibrary));
    emit iconSetChosen();
}

void IconSetsMenu::SetCheckMarks(const QString &iconFile)
{
    // The marks are computed from the last ones set, not from the actions:
    // choosing an item toggles its mark before the command runs.
    const QVector<bool> marks =
        IconSetCheckMarks(iconFile, iconFileExists(m_list, iconFile), m_otherChecked);
    for (int i = 0; i < m_items.size(); ++i)
        m_items.at(i)->setChecked(marks.at(i));
    m_otherChecked = marks.constLast();
}

void IconSetsMenu::ShowPreferredIconFile(const QString &iconFile)
{
    if (iconFile.compare(m_list.fileName(), Qt::CaseInsensitive) != 0
        && IconFile(iconFile).count() != -1)
        m_list.setFileName(iconFile);
    if (m_list.iconCount() == 0)
        m_list.setFileName(LibraryPath(FallbackLibrary));
}

} // namespace ql
