#include "builtinnames.h"

namespace ql {

namespace {

MonthDayNames names(std::array<const char16_t *, 12> months, std::array<const char16_t *, 7> days)
{
    MonthDayNames n;
    for (size_t i = 0; i < months.size(); ++i)
        n.Months[i] = QString::fromUtf16(months[i]);
    for (size_t i = 0; i < days.size(); ++i)
        n.Days[i] = QString::fromUtf16(days[i]);
    return n;
}

} // namespace

const MonthDayNames &BuiltInNames(NameLanguage language)
{
    static const MonthDayNames english = names(
        {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
         u"September", u"October", u"November", u"December"},
        {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"});
    static const MonthDayNames french = names(
        {u"Janvier", u"F\u00e9vrier", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Ao\u00fbt",
         u"Septembre", u"Octobre", u"Novembre", u"D\u00e9cembre"},
        {u"Dimanche", u"Lundi", u"Mardi", u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"});
    static const MonthDayNames german = names(
        {u"Januar", u"Februar", u"M\u00e4rz", u"April", u"Mai", u"Juni", u"Juli", u"August",
         u"September", u"Oktober", u"November", u"Dezember"},
        {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag ", u"Samstag"});
    static const MonthDayNames italian = names(
        {u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno", u"Luglio", u"Agosto",
         u"Settembre", u"Ottobre", u"Novembre", u"Dicembre"},
        {u"Domenica", u"Luned\u00ec", u"Marted\u00ec", u"Mercoled\u00ec", u"Gioved\u00ec",
         u"Venerd\u00ec", u"Sabato"});
    static const MonthDayNames spanish = names(
        {u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
         u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"},
        {u"Domingo", u"Lunes", u"Martes", u"Mi\u00e9rcoles", u"Jueves", u"Viernes",
         u"S\u00e1bado"});
    switch (language) {
    case NameLanguage::French:
        return french;
    case NameLanguage::German:
        return german;
    case NameLanguage::Italian:
        return italian;
    case NameLanguage::Spanish:
        return spanish;
    case NameLanguage::English:
        break;
    }
    return english;
}

} // namespace ql
