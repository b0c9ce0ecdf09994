#include "cmo_formproperty_in_f5.h"

namespace F5 {

CMO_FormProperty_In::CMO_FormProperty_In(QWidget* parent)
    : ::CMO_FormProperty_In(parent)
{
}

CMO_FormProperty_In::~CMO_FormProperty_In() = default;

void CMO_FormProperty_In::setLineState1(bool buttonsAllowed)
{
    setVisibleByName(QStringLiteral("pushButton_ON_1"), buttonsAllowed);
    setVisibleByName(QStringLiteral("pushButton_OFF_1"), buttonsAllowed);
}

void CMO_FormProperty_In::setLineState2(bool buttonsAllowed, bool visible) { setLineState(2, buttonsAllowed, visible); }
void CMO_FormProperty_In::setLineState3(bool buttonsAllowed, bool visible) { setLineState(3, buttonsAllowed, visible); }
void CMO_FormProperty_In::setLineState4(bool buttonsAllowed, bool visible) { setLineState(4, buttonsAllowed, visible); }
void CMO_FormProperty_In::setLineState5(bool buttonsAllowed, bool visible) { setLineState(5, buttonsAllowed, visible); }

void CMO_FormProperty_In::setLineState(int line, bool buttonsAllowed, bool visible)
{
    const QString n = QString::number(line);
    setVisibleByName(QStringLiteral("label_In") + n + QStringLiteral("_Icon"), visible);
    setVisibleByName(QStringLiteral("label_IN") + n, visible);
    setVisibleByName(QStringLiteral("label_IN") + n + QStringLiteral("_Text"), visible);
    setVisibleByName(QStringLiteral("pushButton_ON_") + n, buttonsAllowed && visible);
    setVisibleByName(QStringLiteral("pushButton_OFF_") + n, buttonsAllowed && visible);
}

// The library's form names every widget of a line, so the line is found by
// those names.
void CMO_FormProperty_In::setVisibleByName(const QString& name, bool visible)
{
    if (QWidget* widget = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly))
        widget->setVisible(visible);
}

} // namespace F5
