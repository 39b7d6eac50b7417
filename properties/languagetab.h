#pragma once

#include "builtinnames.h"
#include "propertiestab.h"

#include <QStringList>

class QPlainTextEdit;

namespace ql {

// "Language": the 12 month names and 7 day names, typed one per line or set
// from one of the five built-in languages.
class LanguageTab : public PropertiesTab
{
    Q_OBJECT

public:
    LanguageTab(PropertiesState &state, QWidget *parent = nullptr);

    void load(const TCalendarPanel &page) override;

    // A box leaving the focus: its lines become the names, as typed.
    void MonthNamesExit();
    void DayNamesExit();
    void useLanguage(NameLanguage language);
    // Applies a box the user typed in that has not lost the focus yet (OK
    // pressed from the keyboard).
    void commitEdits();

    // The lines of a box: none when it is empty, and a final line break
    // starts no further line.
    static QStringList boxLines(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(QPlainTextEdit *box, const QStringList &lines);

    QPlainTextEdit *m_monthNames = nullptr;
    QPlainTextEdit *m_dayNames = nullptr;
};

} // namespace ql
