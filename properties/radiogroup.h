#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace ql {

// A captioned group of radio buttons with one selected entry, by index.
// Selecting from code raises nothing; a click by the user raises Clicked.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    TRadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    int ItemIndex() const;
    // An index out of range leaves the selection as it is.
    void SetItemIndex(int index);
    QRadioButton *button(int index) const;

signals:
    void Clicked(int index);

private:
    QButtonGroup *m_group = nullptr;
};

} // namespace ql
