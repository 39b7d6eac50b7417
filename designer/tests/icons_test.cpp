// The icon panel: the icon list of a library, the icon set menu with its
// check marks, "Other" and the library preference, and icons dragged from the
// list onto a cell of the page or into the open cell editor.
#include "designertestutil.h"

#include "calendarpanel.h"
#include "calendarpanelwidget.h"
#include "celleditor.h"
#include "icondrop.h"
#include "iconlibrary.h"
#include "iconlistbox.h"
#include "iconsetsmenu.h"
#include "inifile.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolButton>

#include <memory>

using namespace ql;

namespace {

// The inline pictures of a document, in text order.
QList<QTextImageFormat> pictures(const QTextDocument &doc)
{
    QList<QTextImageFormat> found;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                for (qsizetype i = 0; i < it.fragment().length(); ++i)
                    found << f.toImageFormat();
            }
        }
    }
    return found;
}

QImage pictureImage(const QTextDocument &doc, const QTextImageFormat &f)
{
    return doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
}

// The bounding box of the pixels that are not white.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What became of each stage of a drag: accepted or refused.
struct DragOutcome
{
    bool entered = false;
    bool moved = false;
    bool dropped = false;
};

class Icons : public DesignerTest
{
protected:
    IconListBox &list() { return *window().iconListBox(); }
    IconSetsMenu &menu() { return *window().iconSetsMenu(); }
    QList<bool> checkMarks()
    {
        QList<bool> marks;
        for (QAction *a : menu().items())
            marks << a->isChecked();
        return marks;
    }
    QAction *item(const QString &caption)
    {
        for (QAction *a : menu().items()) {
            if (a->text() == caption)
                return a;
        }
        ADD_FAILURE() << "no item " << caption.toStdString();
        return nullptr;
    }
    QString savedIconFile()
    {
        return IniFile(path(QStringLiteral("QL.ini"))).readString(QStringLiteral("Icons"), QStringLiteral("File"), {});
    }

    // Drags data over target to pos and drops it there, as the window
    // receives a drag: enter, move, drop.
    DragOutcome drag(QWidget *target, const QPoint &pos, const QMimeData &data)
    {
        DragOutcome out;
        QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(target, &enter);
        out.entered = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
        QDragMoveEvent move(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        move.setAccepted(false);
        QApplication::sendEvent(target, &move);
        out.moved = move.isAccepted() && move.dropAction() == Qt::CopyAction;
        QDropEvent drop(QPointF(pos), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(target, &drop);
        out.dropped = drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
        return out;
    }
    // Drags the icon of a row of the list, with the data the list makes.
    DragOutcome dragIcon(QWidget *target, const QPoint &pos, int row)
    {
        const std::unique_ptr<QMimeData> data(list().dragData(row));
        return drag(target, pos, *data);
    }
    QPoint cellCentre(int i)
    {
        window().pageWidget()->ensureComposed();
        const TRect r = window().CalendarPanel().MainAttributes().Cells[static_cast<size_t>(i - 1)].Rect;
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    // A new calendar saved under a name, so it is not modified.
    void savedCalendar()
    {
        newCalendar();
        m_dialogs.saveAnswers << path(QStringLiteral("icons.QLF"));
        ASSERT_TRUE(window().mnuSaveAsClick());
        ASSERT_FALSE(window().Modified());
    }
};

TEST(IconDrop, TwipsOfAPictureFollowTheScreenResolution)
{
    struct Case
    {
        int pixels, dpi, twips;
    } cases[] = {{32, 96, 480}, {16, 96, 240}, {32, 120, 384}, {32, 144, 320}, {48, 72, 960},
                 {1, 96, 15}, {32, 0, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " px at " << c.dpi << " dpi");
        EXPECT_EQ(PixelsToTwips(c.pixels, c.dpi), c.twips);
    }
}

TEST(IconDrop, PictureIsTheIconOnWhite)
{
    QImage icon(4, 3, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 2, qRgb(200, 0, 0));
    const QImage picture = IconDropPicture(icon);
    ASSERT_EQ(picture.size(), QSize(4, 3));
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(picture.pixel(1, 2), qRgb(200, 0, 0));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(inkBox(picture), QRect(1, 2, 1, 1));
    EXPECT_TRUE(IconDropPicture(QImage()).isNull());
}

TEST(IconDrop, InsertedPictureTakesItsPixelSizeInTwipsAndKeepsACopy)
{
    for (int dpi : {96, 120}) {
        SCOPED_TRACE(dpi);
        QTextDocument doc;
        QTextCursor c(&doc);
        c.insertText(QStringLiteral("ab"));
        c.setPosition(1);
        QImage picture(32, 32, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        InsertIconPicture(c, picture, dpi);
        picture.fill(Qt::red); // the document's copy is its own
        const QList<QTextImageFormat> found = pictures(doc);
        ASSERT_EQ(found.size(), 1);
        // Cell text measures in 96-dpi pixels of 15 twips.
        EXPECT_DOUBLE_EQ(found[0].width() * 15, PixelsToTwips(32, dpi));
        EXPECT_DOUBLE_EQ(found[0].height() * 15, PixelsToTwips(32, dpi));
        EXPECT_EQ(pictureImage(doc, found[0]).pixel(5, 5), qRgb(0, 0, 255));
        EXPECT_EQ(doc.characterAt(1), QChar::ObjectReplacementCharacter);
        EXPECT_EQ(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("ab"));
    }
}

TEST(IconSetCheckMarks, LibrariesByNameAnywhereInThePathOtherOtherwise)
{
    struct Case
    {
        const char *name;
        QString iconFile;
        bool exists;
        bool otherWas;
        QVector<bool> marks; // Activities, Events, Holidays, Misc #1, Misc #2, Other
    } cases[] = {
        {"activities", QStringLiteral("/usr/share/quillon/icons/activity.icl"), true, true,
         {true, false, false, false, false, false}},
        {"any case", QStringLiteral("/opt/ql/Holiday.ICL"), true, false,
         {false, false, true, false, false, false}},
        {"default name", QStringLiteral("/opt/ql/MISC1.ICL"), true, true,
         {false, false, false, true, false, false}},
        {"name inside a longer path", QStringLiteral("/tmp/misc2.icl.d/x.ico"), true, true,
         {false, false, false, false, true, false}},
        {"missing library still checked", QStringLiteral("/gone/events.icl"), false, true,
         {false, true, false, false, false, false}},
        {"other file", QStringLiteral("/home/me/mine.icl"), true, false,
         {false, false, false, false, false, true}},
        {"missing other file keeps the mark", QStringLiteral("/home/me/gone.icl"), false, true,
         {false, false, false, false, false, true}},
        {"missing other file keeps no mark", QStringLiteral("/home/me/gone.icl"), false, false,
         {false, false, false, false, false, false}},
        {"empty keeps the mark", QString(), false, true, {false, false, false, false, false, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IconSetCheckMarks(c.iconFile, c.exists, c.otherWas), c.marks);
    }
}

TEST_F(Icons, ListShowsEachShippedLibraryOneIconARowCentred)
{
    TCalendarMain &w = start();
    newCalendar();
    EXPECT_EQ(list().toolTip(), QStringLiteral("To add an icon to the calendar, drag and drop\nit onto "
                                               "the cell in which you want it to appear. It will \nthen "
                                               "appear in the cell as part of the editable\ntext"));
    EXPECT_EQ(w.findChild<QToolButton *>(QStringLiteral("IconBarButton"))->toolTip(),
              QStringLiteral("Select a new icon set"));
    QStringList captions;
    for (QAction *a : menu().items())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Activities", "Events", "Holidays", "Miscellaneous #1",
                                     "Miscellaneous #2", "Other"}));
    QApplication::processEvents();
    const QVector<IconLibrary> &libraries = ShippedIconLibraries();
    for (int i = 0; i < libraries.size(); ++i) {
        SCOPED_TRACE(libraries[i].fileName.toStdString());
        menu().items()[i]->trigger();
        EXPECT_EQ(list().fileName(), IconLibraryFolder() + QLatin1Char('/') + libraries[i].fileName);
        EXPECT_GE(list().iconCount(), 30);
        EXPECT_LE(list().iconCount(), 60);
        EXPECT_EQ(list().count(), list().iconCount());
        EXPECT_TRUE(list().isEnabled());
        QApplication::processEvents();
        const int viewportMiddle = list().viewport()->width() / 2;
        for (int row = 0; row < list().count(); ++row) {
            const QImage icon = list().icon(row);
            ASSERT_EQ(icon.size(), QSize(32, 32)) << "row " << row;
            EXPECT_EQ(list().visualItemRect(list().item(row)).height(), 34) << "row " << row;
            EXPECT_NEAR(list().visualItemRect(list().item(row)).center().x(), viewportMiddle, 1);
            EXPECT_TRUE(list().item(row)->flags().testFlag(Qt::ItemIsDragEnabled));
        }
    }
    // The rows show the icons themselves, centred: the first row's pixels
    // are the first icon's.
    list().scrollToTop();
    QApplication::processEvents();
    const QRect first = list().visualItemRect(list().item(0));
    const QImage shown = list().viewport()->grab(first).toImage();
    const QImage expected = IconDropPicture(list().icon(0));
    const QRect ink = inkBox(expected);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(inkBox(shown).width(), ink.width(), 1);
    EXPECT_NEAR(inkBox(shown).center().x(), (first.width() - 32) / 2 + ink.center().x(), 1);
}

TEST_F(Icons, MissingFileLeavesTheListEmptyAndDisabledAFileWithoutIconsEmptyAndEnabled)
{
    start();
    ASSERT_GT(list().iconCount(), 0);
    list().setFileName(path(QStringLiteral("gone.icl")));
    EXPECT_EQ(list().iconCount(), -1);
    EXPECT_EQ(list().count(), 0);
    EXPECT_FALSE(list().isEnabled());

    writeFile(path(QStringLiteral("notes.txt")), "no icons in here\n");
    list().setFileName(path(QStringLiteral("notes.txt")));
    EXPECT_EQ(list().iconCount(), 0);
    EXPECT_EQ(list().count(), 0);
    EXPECT_TRUE(list().isEnabled());

    // Names of libraries compare regardless of case.
    list().setFileName(IconLibraryFolder() + QStringLiteral("/HOLIDAY.ICL"));
    EXPECT_GT(list().iconCount(), 0);
    EXPECT_TRUE(list().isEnabled());
}

TEST_F(Icons, FirstStartShowsMiscellaneous1AndTheChosenLibraryIsKept)
{
    start();
    EXPECT_EQ(list().fileName(), IconLibraryFolder() + QStringLiteral("/MISC1.ICL"));
    EXPECT_GT(list().iconCount(), 0);
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, false, true, false, false}));

    // The icon set button drops the menu down below itself.
    QToolButton *button = window().findChild<QToolButton *>(QStringLiteral("IconBarButton"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_NEAR(menu().pos().y(), button->mapToGlobal(QPoint(0, button->height())).y(), 1);
    menu().hide();

    item(QStringLiteral("Holidays"))->trigger();
    const QString holidays = IconLibraryFolder() + QStringLiteral("/holiday.icl");
    EXPECT_EQ(savedIconFile(), holidays);
    EXPECT_EQ(window().preferences().IconFile, holidays);
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, true, false, false, false}));

    restart();
    EXPECT_EQ(list().fileName(), holidays);
    EXPECT_GT(list().iconCount(), 0);
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, true, false, false, false}));
}

TEST_F(Icons, PreferenceNamingAMissingFileOrAFileWithoutIcons)
{
    // A deleted library: the list stays empty and disabled.
    IniFile(path(QStringLiteral("QL.ini")))
        .writeString(QStringLiteral("Icons"), QStringLiteral("File"), path(QStringLiteral("gone.icl")));
    start();
    EXPECT_EQ(list().iconCount(), -1);
    EXPECT_FALSE(list().isEnabled());
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    m_window->close();
    m_window.reset();

    // A file without icons: the list falls back to Miscellaneous #1.
    writeFile(path(QStringLiteral("empty.icl")), "not an icon library");
    IniFile(path(QStringLiteral("QL.ini")))
        .writeString(QStringLiteral("Icons"), QStringLiteral("File"), path(QStringLiteral("empty.icl")));
    start();
    EXPECT_EQ(list().fileName(), IconLibraryFolder() + QStringLiteral("/Misc1.icl"));
    EXPECT_GT(list().iconCount(), 0);
    EXPECT_TRUE(list().isEnabled());
}

TEST_F(Icons, OtherTakesAnyFileWithIconsAndIsCheckedForIt)
{
    start();
    // A library outside the program folder, under a name of its own.
    const QString mine = path(QStringLiteral("mine.icl"));
    ASSERT_TRUE(QFile::copy(IconLibraryFolder() + QStringLiteral("/events.icl"), mine));
    m_dialogs.openAnswers << mine;
    item(QStringLiteral("Other"))->trigger();
    ASSERT_EQ(m_dialogs.fileDialogs.size(), 1);
    EXPECT_TRUE(m_dialogs.fileDialogs[0].endsWith(
        QStringLiteral("All Files (*.ICL *.DLL *.EXE *.ICO *.NIL);;ICL Files (*.ICL);;DLL Files "
                       "(*.DLL);;EXE Files (*.EXE);;ICO Files (*.ICO);;NIL Files (*.NIL)")))
        << m_dialogs.fileDialogs[0].toStdString();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(list().fileName(), mine);
    EXPECT_GT(list().iconCount(), 0);
    EXPECT_EQ(savedIconFile(), mine);
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, false, false, false, true}));

    // Cancelling keeps the list and its mark.
    item(QStringLiteral("Other"))->trigger();
    EXPECT_EQ(list().fileName(), mine);
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, false, false, false, true}));

    // One of the five takes the mark from "Other".
    item(QStringLiteral("Miscellaneous #2"))->trigger();
    EXPECT_EQ(checkMarks(), (QList<bool>{false, false, false, false, true, false}));
}

TEST_F(Icons, OtherAsksAgainWhileTheFileHoldsNoIconsThenFallsBack)
{
    start();
    const QString text = path(QStringLiteral("readme.txt"));
    const QString other = path(QStringLiteral("picture.png"));
    writeFile(text, "plain text\n");
    writeFile(other, "\x89PNG\r\n\x1a\n");
    struct Case
    {
        const char *name;
        QStringList answers;
        QStringList informations;
        QString listed;
    } cases[] = {
        {"cancelled after two files without icons", {text, other},
         {QStringLiteral("No icons found in ") + text, QStringLiteral("No icons found in ") + other},
         IconLibraryFolder() + QStringLiteral("/Misc1.icl")},
        {"a library at the second try", {text, IconLibraryFolder() + QStringLiteral("/activity.icl")},
         {QStringLiteral("No icons found in ") + text},
         IconLibraryFolder() + QStringLiteral("/activity.icl")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_dialogs.informations.clear();
        m_dialogs.fileDialogs.clear();
        m_dialogs.openAnswers = c.answers;
        item(QStringLiteral("Other"))->trigger();
        EXPECT_EQ(m_dialogs.informations, c.informations);
        // Every "No icons" message is followed by the dialog again.
        EXPECT_EQ(m_dialogs.fileDialogs.size(), c.informations.size() + 1);
        EXPECT_EQ(list().fileName(), c.listed);
        EXPECT_GT(list().iconCount(), 0);
        EXPECT_EQ(savedIconFile(), c.listed);
    }
    EXPECT_EQ(checkMarks(), (QList<bool>{true, false, false, false, false, false}));
}

TEST_F(Icons, OtherWithAMissingFileIsNoFileWithoutIcons)
{
    start();
    const QString gone = path(QStringLiteral("gone.ico"));
    m_dialogs.openAnswers << gone;
    item(QStringLiteral("Other"))->trigger();
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_EQ(m_dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(list().fileName(), gone);
    EXPECT_EQ(list().iconCount(), -1);
    EXPECT_FALSE(list().isEnabled());
}

TEST_F(Icons, IconPanelIsHiddenOnMiniCalendarPages)
{
    TCalendarMain &w = start();
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetCalendarLayout(loMC12Month); };
    newCalendar();
    QToolButton *button = w.findChild<QToolButton *>(QStringLiteral("IconBarButton"));
    EXPECT_FALSE(button->isVisibleTo(&w));
    EXPECT_FALSE(list().isVisibleTo(&w));
    m_dialogs.propertiesEdit = [](TCalendarPanel &example) { example.SetCalendarLayout(loDay10); };
    m_dialogs.propertiesAnswers << true;
    w.mnuPropertiesClick();
    EXPECT_TRUE(button->isVisibleTo(&w));
    EXPECT_TRUE(list().isVisibleTo(&w));
}

TEST_F(Icons, DropOnACellPutsAPictureOfThirtyTwoPixelsIntoItAndSurvivesSaving)
{
    TCalendarMain &w = start();
    savedCalendar();
    const int row = 2;
    const QImage expected = IconDropPicture(list().icon(row));
    ASSERT_FALSE(expected.isNull());

    const DragOutcome out = dragIcon(w.pageWidget(), cellCentre(9), row);
    EXPECT_TRUE(out.entered);
    EXPECT_TRUE(out.moved);
    EXPECT_TRUE(out.dropped);
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(w.CurrentCell(), 9);
    EXPECT_TRUE(w.editor()->isVisible());
    EXPECT_TRUE(w.EditorInUse());

    // Committed, the picture is in cell 9's storage: 32 x 32 pixels at 96
    // pixels per inch, 480 x 480 twips in the file.
    w.DoSaveRichtext();
    const QTextDocument &cell = w.CalendarPanel().CellStorage(9).document();
    QList<QTextImageFormat> found = pictures(cell);
    ASSERT_EQ(found.size(), 1);
    EXPECT_DOUBLE_EQ(found[0].width(), 32);
    EXPECT_DOUBLE_EQ(found[0].height(), 32);
    EXPECT_EQ(pictureImage(cell, found[0]).convertToFormat(QImage::Format_RGB32), expected);
    EXPECT_TRUE(w.CalendarPanel().CellStorage(9).toRtf().contains("\\picwgoal480\\pichgoal480"));
    for (int i = 1; i <= 42; ++i) {
        if (i != 9) {
            EXPECT_TRUE(pictures(w.CalendarPanel().CellStorage(i).document()).isEmpty()) << "cell " << i;
        }
    }

    // The page draws it in the cell.
    w.pageWidget()->ensureComposed();
    const TRect free = w.CalendarPanel().MainAttributes().Cells[8].FreeRect;
    const QImage page = w.CalendarPanel().PaintImage().copy(free.toQRect());
    EXPECT_FALSE(inkBox(page).isEmpty());

    w.mnuSaveClick();
    EXPECT_FALSE(w.Modified());
    restart();
    ASSERT_EQ(window().FileName(), path(QStringLiteral("icons.QLF")));
    const QTextDocument &reopened = window().CalendarPanel().CellStorage(9).document();
    found = pictures(reopened);
    ASSERT_EQ(found.size(), 1);
    EXPECT_DOUBLE_EQ(found[0].width(), 32);
    EXPECT_DOUBLE_EQ(found[0].height(), 32);
    EXPECT_EQ(pictureImage(reopened, found[0]).convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(Icons, DropOnAnotherCellCommitsTheEditedOneFirst)
{
    TCalendarMain &w = start();
    savedCalendar();
    clickCell(3);
    typeText(QStringLiteral("three"));
    const DragOutcome out = dragIcon(w.pageWidget(), cellCentre(9), 0);
    EXPECT_TRUE(out.dropped);
    EXPECT_EQ(cellText(3), QStringLiteral("three"));
    EXPECT_TRUE(pictures(w.CalendarPanel().CellStorage(3).document()).isEmpty());
    EXPECT_EQ(w.CurrentCell(), 9);
    // The editor holds cell 9 with the icon; the storage gets it at the commit.
    EXPECT_EQ(pictures(*w.editor()->textEdit()->document()).size(), 1);
    w.DoSaveRichtext();
    EXPECT_EQ(pictures(w.CalendarPanel().CellStorage(9).document()).size(), 1);
}

TEST_F(Icons, DropIntoTheOpenEditorGoesToItsInsertionPoint)
{
    TCalendarMain &w = start();
    savedCalendar();
    clickCell(5);
    typeText(QStringLiteral("abcd"));
    QTextCursor c = w.editor()->textEdit()->textCursor();
    c.setPosition(2);
    w.editor()->textEdit()->setTextCursor(c);
    w.SetModified(false);

    // The pointer is over the editor's bottom right corner; the icon goes
    // where the text cursor is.
    QWidget *viewport = w.editor()->viewport();
    const DragOutcome out = dragIcon(viewport, QPoint(viewport->width() - 2, viewport->height() - 2), 1);
    EXPECT_TRUE(out.entered);
    EXPECT_TRUE(out.dropped);
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(w.CurrentCell(), 5);
    const QTextDocument &doc = *w.editor()->textEdit()->document();
    EXPECT_EQ(doc.characterAt(2), QChar::ObjectReplacementCharacter);
    EXPECT_EQ(doc.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("abcd"));
    w.DoSaveRichtext();
    EXPECT_EQ(pictures(w.CalendarPanel().CellStorage(5).document()).size(), 1);
}

TEST_F(Icons, DragsAreRefusedOutsideCellsAndForAnythingButAnIconOfTheList)
{
    TCalendarMain &w = start();
    savedCalendar();
    w.pageWidget()->ensureComposed();
    const TCalendarPanel &page = w.CalendarPanel();
    const TRect first = page.MainAttributes().Cells[0].Rect;
    const QSize size = w.pageWidget()->size();
    struct Case
    {
        const char *name;
        QPoint pos;
    } outside[] = {
        {"page margin", QPoint(1, 1)},
        {"title", QPoint(size.width() / 2, first.Top / 3)},
        {"day headers", QPoint((first.Left + first.Right) / 2, first.Top - 2)},
        {"right margin", QPoint(size.width() - 2, size.height() / 2)},
    };
    for (const Case &c : outside) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(page.PointInCell(c.pos.x(), c.pos.y()));
        const DragOutcome out = dragIcon(w.pageWidget(), c.pos, 0);
        EXPECT_FALSE(out.entered);
        EXPECT_FALSE(out.moved);
        EXPECT_FALSE(out.dropped);
    }
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.editor()->isVisible());
    EXPECT_EQ(w.CurrentCell(), 0);

    // Text dragged from elsewhere, and an icon of a library no longer shown.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    EXPECT_FALSE(drag(w.pageWidget(), cellCentre(10), text).dropped);
    const std::unique_ptr<QMimeData> stale(list().dragData(0));
    item(QStringLiteral("Events"))->trigger();
    EXPECT_FALSE(drag(w.pageWidget(), cellCentre(10), *stale).dropped);
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.editor()->isVisible());
    for (int i = 1; i <= 42; ++i)
        EXPECT_TRUE(w.CalendarPanel().CellStorage(i).isEmpty()) << "cell " << i;
}

TEST_F(Icons, DroppedIconIsDrawnAtHalfItsSizeAtFiftyPercent)
{
    TCalendarMain &w = start();
    savedCalendar();
    while (w.CalendarPanel().Magnification() > 50)
        w.ZoomMinusButtonClick();
    ASSERT_EQ(w.CalendarPanel().Magnification(), 50);
    const int row = 0;
    const QRect full = inkBox(IconDropPicture(list().icon(row)));
    ASSERT_GT(full.width(), 8);
    ASSERT_TRUE(dragIcon(w.pageWidget(), cellCentre(16), row).dropped);
    w.DoSaveRichtext();
    w.pageWidget()->ensureComposed();
    const TRect free = w.CalendarPanel().MainAttributes().Cells[15].FreeRect;
    const QRect drawn = inkBox(w.CalendarPanel().PaintImage().copy(free.toQRect()));
    EXPECT_NEAR(drawn.width(), full.width() / 2.0, 1.5);
    EXPECT_NEAR(drawn.height(), full.height() / 2.0, 1.5);
}

} // namespace
