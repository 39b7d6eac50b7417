#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ql {

// The designer's About box: the program's picture, its version, the
// platform it runs on and where its settings are kept.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    static QString versionText();
    static QString platformText();
    static QString settingsText();

    QPushButton *okButton() const { return m_ok; }

private:
    QPushButton *m_ok = nullptr;
};

} // namespace ql
