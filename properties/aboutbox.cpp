#include "aboutbox.h"

#include "buttonpictures.h"
#include "programfolders.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>

namespace ql {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About Quillon"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(434, 236);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ApplicationIcon().pixmap(48, 48));
    image->setGeometry(12, 16, 160, 50);

    auto *name = new QLabel(QStringLiteral("Quillon"), this);
    QFont big(QStringLiteral("Times New Roman"));
    big.setPixelSize(22);
    big.setBold(true);
    big.setItalic(true);
    name->setFont(big);
    name->setGeometry(68, 24, 120, 30);

    auto addLine = [this](const char *objectName, const QString &text, int top) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(objectName));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(pal);
        label->setGeometry(199, top, 220, 16);
        return label;
    };
    addLine("Label4", versionText(), 22);
    addLine("Label3216", platformText(), 42);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(199, 83, 203, 2);

    auto *settings = new QLabel(settingsText(), this);
    settings->setObjectName(QStringLiteral("SettingsLabel"));
    settings->setWordWrap(true);
    settings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    settings->setGeometry(12, 96, 410, 70);
    settings->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Okbutton"));
    m_ok->setGeometry(318, 184, 89, 33);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TAboutBox::versionText()
{
    return QStringLiteral("Version ") + QStringLiteral(QL_PROPERTIES_VERSION);
}

QString TAboutBox::platformText()
{
    return QStringLiteral("%1-bit version for %2, Qt %3")
        .arg(QSysInfo::WordSize)
        .arg(QSysInfo::productType() == QLatin1String("windows") ? QStringLiteral("Windows")
                                                                 : QStringLiteral("Linux"))
        .arg(QString::fromLatin1(qVersion()));
}

QString TAboutBox::settingsText()
{
    return QStringLiteral("Settings are kept in %1")
        .arg(QDir::toNativeSeparators(SettingsFileName()));
}

} // namespace ql
