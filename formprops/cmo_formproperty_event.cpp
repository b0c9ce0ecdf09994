#include "cmo_formproperty_event.h"

#include "cmo_formkit.h"

#include <QGridLayout>
#include <QLabel>

CMO_FormProperty_Event::CMO_FormProperty_Event(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_Event::~CMO_FormProperty_Event() = default;

void CMO_FormProperty_Event::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Event", 335, 89);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Number = CMO_FormKit::caption(this, "label_Number", 150);
    label_Number_Text = CMO_FormKit::value(this, "label_Number_Text");
    label_Event = CMO_FormKit::caption(this, "label_Event", 150);
    label_Event_Text = CMO_FormKit::value(this, "label_Event_Text");
    label_DateTime = CMO_FormKit::caption(this, "label_DateTime", 150);
    label_DateTime_Text = CMO_FormKit::value(this, "label_DateTime_Text");
    for (QLabel* value : {label_Number_Text, label_Event_Text, label_DateTime_Text})
        value->setWordWrap(true);

    gridLayout->addWidget(label_Number, 0, 0);
    gridLayout->addWidget(label_Number_Text, 0, 1);
    gridLayout->addWidget(label_Event, 1, 0);
    gridLayout->addWidget(label_Event_Text, 2, 0, 1, 2);
    gridLayout->addWidget(label_DateTime, 3, 0);
    gridLayout->addWidget(label_DateTime_Text, 4, 0, 1, 2);

    retranslateUi();
}

void CMO_FormProperty_Event::retranslateUi()
{
    setCaptions();
}

void CMO_FormProperty_Event::setCaptions()
{
    label_Number->setText(QStringLiteral("Номер события из ч/я:"));
    label_Event->setText(QStringLiteral("Событие:"));
    label_DateTime->setText(QStringLiteral("Дата/время события:"));
}

void CMO_FormProperty_Event::setNumber(quint32 number)
{
    numberText = QString::asprintf("%u", number);
    label_Number_Text->setText(numberText);
}

void CMO_FormProperty_Event::setEvent(const QString& text)
{
    eventText = text;
    label_Event_Text->setText(eventText);
}

void CMO_FormProperty_Event::setDateTime(const QString& text)
{
    dateTimeText = text;
    label_DateTime_Text->setText(dateTimeText);
}
