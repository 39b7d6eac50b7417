#include "settimedialog.h"

#include "graphicpanel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ql {

namespace {

const QColor kSelected(0xFF, 0xFF, 0x00);
const QColor kUnselected(0xC0, 0xC0, 0xC0);

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 19;
constexpr int kFirstColumn = 7;

QFrame *makePanel(QWidget *parent, const char *name, const QString &title, const QRect &geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    auto *strip = new QLabel(title, panel);
    strip->setGeometry(2, 2, geometry.width() - 4, 16);
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    pal.setColor(QPalette::WindowText, Qt::black);
    strip->setPalette(pal);
    QFont bold = strip->font();
    bold.setBold(true);
    strip->setFont(bold);
    return panel;
}

} // namespace

TSetTimeDialog::TSetTimeDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(306, 334);

    QFrame *hours = makePanel(this, "HourPanel", QStringLiteral("  Hour"), QRect(16, 7, 271, 125));
    // Two rows of morning hours, then two of afternoon hours, with a gap
    // between the halves of the day; 0 and 12 read "12".
    const int rowTops[] = {21, 40, 75, 94};
    for (int hour = 0; hour < 24; ++hour) {
        const int twelve = hour % 12 == 0 ? 12 : hour % 12;
        auto *cell = new TGraphicPanel(QString::number(twelve), hour, hours);
        cell->setObjectName(QStringLiteral("Hour%1").arg(hour));
        cell->setToolTip(QStringLiteral("Click to set the hours portion of the time"));
        cell->setGeometry(kFirstColumn + (hour % 6) * kCellWidth, rowTops[hour / 6], kCellWidth,
                          kCellHeight);
        connect(cell, &TGraphicPanel::Clicked, this, &TSetTimeDialog::HourClick);
        m_hourCells.append(cell);
    }
    auto *am = new QLabel(QStringLiteral("AM"), hours);
    am->move(kFirstColumn + 6 * kCellWidth + 8, 23);
    auto *pm = new QLabel(QStringLiteral("PM"), hours);
    pm->move(kFirstColumn + 6 * kCellWidth + 8, 77);

    QFrame *minutes =
        makePanel(this, "MinutePanel", QStringLiteral("  Minute"), QRect(16, 136, 270, 144));
    for (int minute = 0; minute < 60; ++minute) {
        auto *cell = new TGraphicPanel(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')),
                                       minute, minutes);
        cell->setObjectName(QStringLiteral("Minute%1").arg(minute));
        cell->setToolTip(QStringLiteral("Click to set the minutes portion of the time"));
        cell->setGeometry(kFirstColumn + (minute % 10) * kCellWidth, 22 + (minute / 10) * 19,
                          kCellWidth, kCellHeight);
        connect(cell, &TGraphicPanel::Clicked, this, &TSetTimeDialog::MinuteClick);
        m_minuteCells.append(cell);
    }

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Okbutton"));
    ok->setToolTip(QStringLiteral("Save the selected time"));
    ok->setDefault(true);
    ok->setGeometry(112, 292, 80, 28);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setToolTip(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    cancel->setGeometry(206, 292, 80, 28);
    // Esc rejects through QDialog itself.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetTimeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TSetTimeDialog::FormActivate()
{
    const QTime t = m_time.isValid() ? m_time : QTime(0, 0);
    m_hour = t.hour();
    m_minute = t.minute();
    ShowDateTime();
}

void TSetTimeDialog::HourClick(int hour)
{
    m_hour = hour;
    ShowDateTime();
}

void TSetTimeDialog::MinuteClick(int minute)
{
    m_minute = minute;
    ShowDateTime();
}

void TSetTimeDialog::ShowDateTime()
{
    m_time = QTime(m_hour, m_minute);
    // "hh" with "ap" reads the 12-hour clock; QTime writes "am"/"pm" itself.
    setWindowTitle(QStringLiteral("Set Time As: ") + m_time.toString(QStringLiteral("hh:mm ap")));
    for (TGraphicPanel *cell : std::as_const(m_hourCells))
        cell->SetColor(cell->Tag() == m_hour ? kSelected : kUnselected);
    for (TGraphicPanel *cell : std::as_const(m_minuteCells))
        cell->SetColor(cell->Tag() == m_minute ? kSelected : kUnselected);
}

} // namespace ql
