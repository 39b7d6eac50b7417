#include "splashform.h"

#include "eyes.h"
#include "programfolders.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ql {

namespace {

QLabel *centredLabel(QWidget *parent, const QString &text, int top, int height)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, top, parent->width(), height);
    return label;
}

} // namespace

TSplashform::TSplashform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("About Osprel"));
    setFixedSize(337, 236);
    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setPixelSize(11); // 8 points at 96 pixels per inch
    setFont(boxFont);

    QLabel *name = centredLabel(this, QStringLiteral("Osprel "), 8, 32);
    QFont nameFont(QStringLiteral("Times New Roman"));
    nameFont.setPixelSize(21); // 16 points
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: blue"));
    name->setObjectName(QStringLiteral("nameLabel"));

    centredLabel(this, versionText(), 44, 16)->setObjectName(QStringLiteral("versionLabel"));
    centredLabel(this, platformText(), 62, 16)->setObjectName(QStringLiteral("platformLabel"));

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, 86, width() - 24, 2);

    centredLabel(this, QStringLiteral("Notes and settings are kept in:"), 96, 16);
    m_dataFolder = centredLabel(this, QDir::toNativeSeparators(DataFolder()), 114, 56);
    m_dataFolder->setWordWrap(true);
    m_dataFolder->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_dataFolder->setGeometry(12, 114, width() - 24, 56);
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    for (int i = 0; i < 2; ++i) {
        m_eyes[i] = new TEyes(this);
        m_eyes[i]->setGeometry(i == 0 ? 8 : width() - 8 - 44, 8, 44, 30);
    }

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setGeometry((width() - 89) / 2, height() - 33 - 12, 89, 33);
    m_okButton->setDefault(true);
    m_okButton->setVisible(true);
    // Enter (default button) and Escape (reject) both close the box.
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString TSplashform::versionText()
{
    return QStringLiteral("Version " OSPREL_VERSION);
}

} // namespace ql
