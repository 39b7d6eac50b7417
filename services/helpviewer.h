#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

namespace ql {

// The programs' help is a set of HTML pages named after the program and the
// topic: "quillon-contents.html", "quillon-2100.html" for help context 2100,
// "osprel-1000.html". They are looked for next to the executable first
// (build/bin/help/), then in the installed share folder
// (<prefix>/share/<program>/help/, found from the executable's folder and
// through the XDG data folders), and opened in the user's browser. A page
// that cannot be found is reported in an information box naming it.
class HelpViewer
{
public:
    using Opener = std::function<bool(const QUrl &)>;
    using Reporter = std::function<void(const QString &)>;

    // helpName: the program's help set ("quillon", "osprel").
    HelpViewer(const QString &helpName, const QStringList &folders);
    static QStringList defaultFolders(const QString &helpName);

    static QString contentsPage(const QString &helpName);
    static QString contextPage(const QString &helpName, int context);
    // The first existing file of that name in the folders, or empty.
    QString findPage(const QString &pageFileName) const;

    bool showContents() const;
    bool showContext(int context) const;

    // QDesktopServices::openUrl and the information box unless replaced.
    void setOpener(Opener opener) { m_opener = std::move(opener); }
    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    static QString missingPageMessage(const QString &pageFileName);

private:
    bool show(const QString &pageFileName) const;

    QString m_helpName;
    QStringList m_folders;
    Opener m_opener;
    Reporter m_reporter;
};

// The program's help set, chosen once at start-up ("quillon", "osprel").
void SetHelpFile(const QString &helpName);
QString HelpFile();
// Opens the page of a help context (2100 to 2108: the properties dialog's
// pages; 1000: the tray window).
void ContextHelp(int context);
void HelpContents();

} // namespace ql
