#pragma once

#include "propertiesprompts.h"

#include <QList>
#include <QStringList>

namespace ql {

// Answers the dialog's prompts from a script and records what was asked. An
// unscripted file, font, colour or time dialog is cancelled and an
// unscripted question answered No, so a test that forgets an answer sees a
// cancelled command, not a hang.
class FakePrompts : public PropertiesPrompts
{
public:
    QStringList openAnswers;
    QStringList saveAnswers;
    QList<bool> questionAnswers;
    QList<CalFont> fontAnswers;
    QList<QColor> colorAnswers;
    QList<QTime> timeAnswers;

    QStringList informations;
    QStringList questions;   // "caption: text"
    QStringList fileDialogs; // "title | folder or proposed path | filter | suffix"
    QList<CalFont> fontsOffered;
    QList<QColor> colorsOffered;
    QList<bool> customColorsOffered;
    QList<QTime> timesOffered;
    QList<int> helpContexts;

    QString openFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filter, const QString &defaultSuffix) override
    {
        fileDialogs << QStringList{title, folder, filter, defaultSuffix}.join(QStringLiteral(" | "));
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &title, const QString &proposedPath,
                         const QString &filter, const QString &defaultSuffix) override
    {
        fileDialogs << QStringList{title, proposedPath, filter, defaultSuffix}.join(QStringLiteral(" | "));
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    void information(QWidget *, const QString &text) override { informations << text; }
    bool question(QWidget *, const QString &text, const QString &caption) override
    {
        questions << caption + QStringLiteral(": ") + text;
        return !questionAnswers.isEmpty() && questionAnswers.takeFirst();
    }
    std::optional<CalFont> chooseFont(QWidget *, const CalFont &initial) override
    {
        fontsOffered << initial;
        if (fontAnswers.isEmpty())
            return std::nullopt;
        return fontAnswers.takeFirst();
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &initial, bool customColors) override
    {
        colorsOffered << initial;
        customColorsOffered << customColors;
        if (colorAnswers.isEmpty())
            return std::nullopt;
        return colorAnswers.takeFirst();
    }
    std::optional<QTime> chooseTime(QWidget *, const QTime &initial) override
    {
        timesOffered << initial;
        if (timeAnswers.isEmpty())
            return std::nullopt;
        return timeAnswers.takeFirst();
    }
    void help(QWidget *, int context) override { helpContexts << context; }
};

} // namespace ql
