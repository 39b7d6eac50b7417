#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ql {

class TEyes;

// The About box: program name, version, the platform line, the folder the
// notes and settings are kept in, and two eyes that follow the mouse.
class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(QWidget *parent = nullptr);

    static QString versionText();
    static QString platformText() { return QStringLiteral("for Linux desktops (Qt 6)"); }

    QPushButton *okButton() const { return m_okButton; }
    TEyes *eyes(int which) const { return m_eyes[which]; }
    QLabel *dataFolderLabel() const { return m_dataFolder; }

private:
    QPushButton *m_okButton = nullptr;
    TEyes *m_eyes[2] = {nullptr, nullptr};
    QLabel *m_dataFolder = nullptr;
};

} // namespace ql
