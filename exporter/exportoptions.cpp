#include "exportoptions.h"

#include "caltypes.h"

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
        "usage: quillon-export [--layout N|NAME] [--paper letter|a4] [--month M] [--year Y]\n"
        "                      [--day D] [--week-start sunday|monday] [--zoom PERCENT]\n"
        "                      -o OUTPUT\n"
        "  OUTPUT ending in .png or .bmp receives the page image at the zoom given.\n"
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
            QStringLiteral("--day"),   QStringLiteral("--week-start"), QStringLiteral("--zoom")};
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
    if (!lower.endsWith(QLatin1String(".png")) && !lower.endsWith(QLatin1String(".bmp"))) {
        error = QStringLiteral("output must end in .png or .bmp: %1").arg(o.Output);
        return std::nullopt;
    }
    return o;
}

} // namespace ql
