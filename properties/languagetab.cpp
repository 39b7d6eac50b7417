#include "languagetab.h"

#include "calendarpanel.h"
#include "dialogtexts.h"
#include "propertiesstate.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace ql {

namespace {

struct LanguageButton
{
    NameLanguage language;
    const char *name;
    const char16_t *caption;
    const char *hint;
    int row;
    int column;
};

// In focus order; German, Spanish and Italian form the left column.
const LanguageButton kLanguageButtons[] = {
    {NameLanguage::German, "German", u"Deutsch",
     "Use German names for the months \rand days of the week.", 0, 0},
    {NameLanguage::English, "English", u"English",
     "Use the default English names for the months \rand days of the week.", 0, 1},
    {NameLanguage::Spanish, "Spanish", u"Espa\u00f1ol",
     "Use Spanish names for the months \rand days of the week.", 1, 0},
    {NameLanguage::French, "French", u"Fran\u00e7ais",
     "Use French names for the months \rand days of the week.", 1, 1},
    {NameLanguage::Italian, "Italian", u"L'italiano",
     "Use Italian names for the months \rand days of the week.", 2, 0},
};

template<size_t N>
QStringList toList(const std::array<QString, N> &names)
{
    QStringList list;
    for (const QString &n : names)
        list << n;
    return list;
}

} // namespace

LanguageTab::LanguageTab(PropertiesState &state, QWidget *parent)
    : PropertiesTab(QStringLiteral("Month and Day Names"), state, parent)
{
    auto makeBox = [this](const char *name, const char *label, const char *hint) {
        auto *box = new QPlainTextEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(HintText(QString::fromLatin1(hint)));
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setTabChangesFocus(true);
        box->installEventFilter(this);
        auto *caption = new QLabel(QString::fromLatin1(label), this);
        caption->setBuddy(box);
        auto *column = new QVBoxLayout;
        column->addWidget(caption);
        column->addWidget(box, 1);
        return std::make_pair(box, column);
    };
    auto [months, monthColumn] =
        makeBox("MonthNames", "Month Names",
                "Type in the month names, starting with January,\ror click one of the buttons below");
    auto [days, dayColumn] =
        makeBox("DayNames", "Day Names",
                "Type in the day names, starting with Sunday, or \rclick one of the buttons below.");
    m_monthNames = months;
    m_dayNames = days;
    const MonthDayNames &english = BuiltInNames(NameLanguage::English);
    fill(m_monthNames, toList(english.Months));
    fill(m_dayNames, toList(english.Days));

    auto *buttons = new QGridLayout;
    for (const LanguageButton &b : kLanguageButtons) {
        auto *button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(HintText(QString::fromLatin1(b.hint)));
        button->setAutoDefault(false);
        const NameLanguage language = b.language;
        connect(button, &QPushButton::clicked, this, [this, language] { useLanguage(language); });
        buttons->addWidget(button, b.row, b.column);
    }
    dayColumn->addLayout(buttons);

    auto *row = new QHBoxLayout;
    row->addLayout(monthColumn, 1);
    row->addLayout(dayColumn, 1);
    body()->addLayout(row, 1);
}

QStringList LanguageTab::boxLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void LanguageTab::fill(QPlainTextEdit *box, const QStringList &lines)
{
    box->setPlainText(lines.join(u'\n'));
    box->document()->setModified(false);
}

void LanguageTab::load(const TCalendarPanel &page)
{
    QStringList months;
    for (int i = 1; i <= 12; ++i) {
        QString name;
        page.GetMonthName(i, name);
        months << name;
    }
    QStringList days;
    for (int i = 1; i <= 7; ++i) {
        QString name;
        page.GetDayName(i, name);
        days << name;
    }
    fill(m_monthNames, months);
    fill(m_dayNames, days);
}

// The names go in whether or not the dialog is updating: a box only loses
// the focus to the user.
void LanguageTab::MonthNamesExit()
{
    const QStringList lines = boxLines(m_monthNames->toPlainText());
    for (int i = 1; i <= 12 && i <= lines.size(); ++i)
        m_state.Example.SetMonthName(i, lines.at(i - 1));
    m_monthNames->document()->setModified(false);
    // Names change titles and the mini calendars' sizes stay: a layout pass
    // without resetting the mini fonts repaints everything that shows a name.
    m_state.Example.LayoutPage(false);
}

void LanguageTab::DayNamesExit()
{
    const QStringList lines = boxLines(m_dayNames->toPlainText());
    for (int i = 1; i <= 7 && i <= lines.size(); ++i)
        m_state.Example.SetDayName(i, lines.at(i - 1));
    m_dayNames->document()->setModified(false);
    m_state.Example.LayoutPage(false);
}

void LanguageTab::useLanguage(NameLanguage language)
{
    const MonthDayNames &names = BuiltInNames(language);
    fill(m_dayNames, toList(names.Days));
    DayNamesExit();
    fill(m_monthNames, toList(names.Months));
    MonthNamesExit();
    if (language == NameLanguage::English) {
        m_monthNames->moveCursor(QTextCursor::Start);
        m_dayNames->moveCursor(QTextCursor::Start);
    }
}

void LanguageTab::commitEdits()
{
    if (m_monthNames->document()->isModified())
        MonthNamesExit();
    if (m_dayNames->document()->isModified())
        DayNamesExit();
}

bool LanguageTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_monthNames)
            MonthNamesExit();
        else if (watched == m_dayNames)
            DayNamesExit();
    }
    return PropertiesTab::eventFilter(watched, event);
}

} // namespace ql
