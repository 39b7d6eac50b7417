#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace ql {

// What a quillon-export command line asks for. Options not given stay unset
// so that they apply over an input file only where the user gave them.
struct ExportOptions
{
    QString Input; // a calendar file, or empty
    QString Style; // a style sheet applied after the input, or empty
    QString Output;
    std::optional<int> Layout;
    std::optional<int> PaperSize;
    std::optional<int> Month;
    std::optional<int> Year;
    std::optional<int> Day;
    std::optional<int> StartOfWeek;
    int Zoom = 100;
    int Months = 1;            // pages of a PDF, stepping the date
    bool KeepContents = false; // repeat the cells on every page of a PDF
};

// Parses the arguments (without the program name). On a bad option or value
// returns nothing and sets error to a one-line reason.
std::optional<ExportOptions> ParseExportOptions(const QStringList &args, QString &error);

QString ExportUsage();

} // namespace ql
