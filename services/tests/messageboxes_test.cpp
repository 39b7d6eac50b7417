#include "busycursor.h"
#include "messageboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ql;

namespace {

struct SeenBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    Qt::WindowModality modality = Qt::NonModal;
};

// Waits for the message box to come up, notes what it shows and presses `answer`.
void answerNextBox(SeenBox &seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(seen, answer); // not up yet
            return;
        }
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.modality = box->windowModality();
        for (QAbstractButton *b : box->buttons())
            seen.buttons.append(box->standardButton(b));
        box->button(answer)->click();
    });
}

TEST(MessageBoxes, InformationBoxShowsTheTextUnderTheCaptionInformation)
{
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    InformationBox(QStringLiteral(
        "There are no installed printers.\r\nUnable to perform printer related operations"));
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.text,
              "There are no installed printers.\nUnable to perform printer related operations");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
}

TEST(MessageBoxes, YesNoQuestionIsTrueForYesOnly)
{
    const QString text = QStringLiteral(
        "Warning: changing to this type of layout\rwill erase all text and icons from the "
        "current\rcalendar. Proceed?");
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        SCOPED_TRACE(answer == QMessageBox::Yes ? "Yes" : "No");
        SeenBox seen;
        answerNextBox(seen, answer);
        EXPECT_EQ(YesNoQuestion(text, QStringLiteral("WARNING")), answer == QMessageBox::Yes);
        EXPECT_EQ(seen.caption, "WARNING");
        EXPECT_EQ(seen.text, QString(text).replace('\r', '\n'));
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons.size(), 2);
        EXPECT_TRUE(seen.buttons.contains(QMessageBox::Yes));
        EXPECT_TRUE(seen.buttons.contains(QMessageBox::No));
    }
}

Qt::CursorShape overrideShape()
{
    const QCursor *c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BitmapCursor; // Bitmap: no override cursor at all
}

TEST(BusyCursor, OnAndOffAreBalanced)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    BusyCursorOn();
    BusyCursorOn();
    EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    BusyCursorOff();
    EXPECT_EQ(overrideShape(), Qt::WaitCursor);
    BusyCursorOff();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(BusyCursorDepth(), 0);

    // An extra off never takes away a cursor someone else set.
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    BusyCursorOff();
    EXPECT_EQ(overrideShape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
}

TEST(BusyCursor, EndsWithItsScopeAlsoOnAnError)
{
    try {
        BusyCursor busy;
        EXPECT_EQ(overrideShape(), Qt::WaitCursor);
        throw std::runtime_error("save failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(BusyCursorDepth(), 0);
}

} // namespace
