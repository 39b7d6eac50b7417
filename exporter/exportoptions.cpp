#include "exportoptions.h"

#include "caltypes.h"

#include <algorithm>
#include <iterator>

namespace ql {

namespace {

bool toInt(const QString &text, int lo, int hi, int &out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

} // namespace

QString ExportUsage()
{
    return QStringLiteral(
        "usage: quillon-export [INPUT.QLF] [--style SHEET.QLS] [--layout N|NAME]\n"
        "                      [--paper letter|a4] [--month M] [--year Y] [--day D]\n"
        "                      [--week-start sunday|monday] [--zoom PERCENT]\n"
        "                      [--months N [--keep-contents]] -o OUTPUT\n"
        "  OUTPUT ending in .png or .bmp receives the page image at the zoom given;\n"
        "  .pdf the printed page at 600 dots per inch (--months N: N pages, each a\n"
        "  month, week or day after the one before); .qlf saves the calendar file,\n"
        "  .qls the style sheet.\n"
        "  --layout takes 0..21 or a layout name such as loFC12After.\n");
}

std::optional<ExportOptions> ParseExportOptions(const QStringList &args, QString &error)
{
    ExportOptions o;
    bool haveOutput = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        QString name = arg, value;
        bool inlineValue = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            name = arg.section(QLatin1Char('='), 0, 0);
            value = arg.section(QLatin1Char('='), 1);
            inlineValue = true;
        }
        static const QStringList withValue = {
            QStringLiteral("-o"),      QStringLiteral("--output"), QStringLiteral("--layout"),
            QStringLiteral("--paper"), QStringLiteral("--month"),  QStringLiteral("--year"),
            QStringLiteral("--day"),   QStringLiteral("--week-start"), QStringLiteral("--zoom"),
            QStringLiteral("--style"), QStringLiteral("--months")};
        if (arg == QLatin1String("--keep-contents")) {
            o.KeepContents = true;
            continue;
        }
        if (!arg.startsWith(QLatin1Char('-')) && o.Input.isEmpty()) {
            o.Input = arg;
            continue;
        }
        if (!withValue.contains(name)) {
            error = arg.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option %1").arg(arg)
                                                     : QStringLiteral("unexpected argument %1").arg(arg);
            return std::nullopt;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("option %1 needs a value").arg(name);
                return std::nullopt;
            }
            value = args[++i];
        }
        auto bad = [&]() {
            error = QStringLiteral("bad value for %1: %2").arg(name, value);
            return std::nullopt;
        };
        int v = 0;
        if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            if (value.isEmpty())
                return bad();
            o.Output = value;
            haveOutput = true;
        } else if (name == QLatin1String("--style")) {
            if (value.isEmpty())
                return bad();
            o.Style = value;
        } else if (name == QLatin1String("--layout")) {
            if (toInt(value, 0, kLayoutCount - 1, v)) {
                o.Layout = v;
            } else {
                const int byName = LayoutFromName(value);
                if (byName < 0)
                    return bad();
                o.Layout = byName;
            }
        } else if (name == QLatin1String("--paper")) {
            if (value.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
                o.PaperSize = 0;
            else if (value.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
                o.PaperSize = 1;
            else
                return bad();
        } else if (name == QLatin1String("--month")) {
            if (!toInt(value, 1, 12, v))
                return bad();
            o.Month = v;
        } else if (name == QLatin1String("--year")) {
            if (!toInt(value, 1, 9999, v))
                return bad();
            o.Year = v;
        } else if (name == QLatin1String("--day")) {
            if (!toInt(value, 1, 31, v))
                return bad();
            o.Day = v;
        } else if (name == QLatin1String("--week-start")) {
            if (value.compare(QLatin1String("sunday"), Qt::CaseInsensitive) == 0)
                o.StartOfWeek = 1;
            else if (value.compare(QLatin1String("monday"), Qt::CaseInsensitive) == 0)
                o.StartOfWeek = 2;
            else
                return bad();
        } else if (name == QLatin1String("--months")) {
            if (!toInt(value, 1, 120, v))
                return bad();
            o.Months = v;
        } else if (name == QLatin1String("--zoom")) {
            if (!toInt(value, 10, 1000, v))
                return bad();
            o.Zoom = v;
        }
    }
    if (!haveOutput) {
        error = QStringLiteral("no output given (-o OUTPUT)");
        return std::nullopt;
    }
    const QString lower = o.Output.toLower();
    static const char *const kinds[] = {".png", ".bmp", ".pdf", ".qlf", ".qls"};
    if (std::none_of(std::begin(kinds), std::end(kinds),
                     [&](const char *k) { return lower.endsWith(QLatin1String(k)); })) {
        error = QStringLiteral("output must end in .png, .bmp, .pdf, .qlf or .qls: %1").arg(o.Output);
        return std::nullopt;
    }
    if ((o.Months > 1 || o.KeepContents) && !lower.endsWith(QLatin1String(".pdf"))) {
        error = QStringLiteral("--months and --keep-contents need a .pdf output");
        return std::nullopt;
    }
    return o;
}

} // namespace ql
