#include "cmo_formproperty_navigation.h"

#include "cmo_formkit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include <cmath>

CMO_FormProperty_Navigation::CMO_FormProperty_Navigation(QWidget* parent)
    : QWidget(parent)
{
    setupUi();
    setCaptions();
}

CMO_FormProperty_Navigation::~CMO_FormProperty_Navigation() = default;

void CMO_FormProperty_Navigation::setupUi()
{
    CMO_FormKit::prepareForm(this, "CMO_FormProperty_Navigation", 335, 288);
    gridLayout = CMO_FormKit::grid(this, "gridLayout");

    label_Navigation_Icon = CMO_FormKit::lamp(this, "label_Navigation_Icon", "validNavigation");
    label_Navigation = CMO_FormKit::caption(this, "label_Navigation", 140);
    label_Navigation->setWordWrap(true);
    label_Navigation_Text = CMO_FormKit::value(this, "label_Navigation_Text");
    label_Navigation_Text->setAlignment(Qt::AlignCenter);
    label_Navigation_Text->setWordWrap(true);
    label_DateTime_Icon = CMO_FormKit::lamp(this, "label_DateTime_Icon", "chronometer");
    label_DateTime = CMO_FormKit::caption(this, "label_DateTime", 0);
    label_DateTime->setWordWrap(true);
    label_DateTime_Text = CMO_FormKit::value(this, "label_DateTime_Text");
    label_DateTime_Text->setMaximumHeight(18);
    label_DateTime_Text->setWordWrap(false);

    frame = CMO_FormKit::raisedFrame(this, "frame", &gridLayout_2, "gridLayout_2", 6);
    struct Measured {
        QLabel** icon;
        QLabel** caption;
        QLabel** text;
        const char* name;
        const char* picture;
    };
    const Measured rows[] = {
        {&label_Speed_Icon, &label_Speed, &label_Speed_Text, "Speed", "speedometer"},
        {&label_Course_Icon, &label_Course, &label_Course_Text, "Course", "validNavigation"},
        {&label_Width_Icon, &label_Width, &label_Width_Text, "Width", "latitude"},
        {&label_Longitude_Icon, &label_Longitude, &label_Longitude_Text, "Longitude", "longtitude"},
        {&label_Altitude_Icon, &label_Altitude, &label_Altitude_Text, "Altitude", "longtitude"},
        {&label_Way_Icon, &label_Way, &label_Way_Text, "Way", "divider"},
        {nullptr, &label_AllSeconds, &label_AllSeconds_Text, "AllSeconds", nullptr},
        {nullptr, &label_SecondsLast, &label_SecondsLast_Text, "SecondsLast", nullptr},
        {&label_Run_Icon, &label_Run, &label_Run_Text, "Run", "divider"},
    };
    int row = 0;
    for (const Measured& m : rows) {
        const QByteArray name = QByteArray("label_") + m.name;
        if (m.icon) {
            *m.icon = CMO_FormKit::lamp(frame, name + "_Icon", m.picture);
            gridLayout_2->addWidget(*m.icon, row, 0);
        }
        *m.caption = CMO_FormKit::caption(frame, name, 0);
        (*m.caption)->setMaximumWidth(90);
        *m.text = CMO_FormKit::value(frame, name + "_Text");
        gridLayout_2->addWidget(*m.caption, row, 1);
        gridLayout_2->addWidget(*m.text, row, 2);
        ++row;
    }

    label_Addres_Icon = CMO_FormKit::lamp(this, "label_Addres_Icon", "address");
    label_Addres = CMO_FormKit::caption(this, "label_Addres", 0);
    label_Addres_Text = CMO_FormKit::value(this, "label_Addres_Text");
    label_Addres_Text->setWordWrap(true);

    gridLayout->addWidget(label_Navigation_Icon, 0, 0);
    gridLayout->addWidget(label_Navigation, 0, 1);
    gridLayout->addWidget(label_Navigation_Text, 0, 2);
    gridLayout->addWidget(label_DateTime_Icon, 1, 0);
    gridLayout->addWidget(label_DateTime, 1, 1, 1, 2);
    gridLayout->addWidget(label_DateTime_Text, 2, 1, 1, 2);
    gridLayout->addWidget(frame, 3, 0, 1, 3);
    gridLayout->addWidget(label_Addres_Icon, 4, 0);
    gridLayout->addWidget(label_Addres, 4, 1);
    gridLayout->addWidget(label_Addres_Text, 5, 1, 1, 2);

    retranslateUi();
}

void CMO_FormProperty_Navigation::retranslateUi()
{
    label_Altitude->setText(QStringLiteral("Высота:"));
    setCaptions();
}

void CMO_FormProperty_Navigation::setCaptions()
{
    label_Navigation->setText(QStringLiteral("Валидность координат:"));
    label_DateTime->setText(QStringLiteral("Дата/время последних координат:"));
    label_Speed->setText(QStringLiteral("Скорость:"));
    label_Course->setText(QStringLiteral("Направление:"));
    label_Width->setText(QStringLiteral("Широта:"));
    label_Longitude->setText(QStringLiteral("Долгота:"));
    label_Way->setText(QStringLiteral("Пройдено:"));
    label_AllSeconds->setText(QStringLiteral("за время:"));
    label_SecondsLast->setText(QStringLiteral("навигация на:"));
    label_Run->setText(QStringLiteral("Одометр:"));
    label_Addres->setText(QStringLiteral("Адрес:"));
}

QString CMO_FormProperty_Navigation::angleText(int counts)
{
    const double degrees = std::trunc(counts / 600000.0);
    const double minutes = (counts - degrees * 600000.0) / 10000.0;
    return QStringLiteral("%1 %2'").arg(static_cast<qint64>(degrees)).arg(minutes, 0, 'f', 4);
}

void CMO_FormProperty_Navigation::setValid(int flag)
{
    CMO_FormKit::showFlag(label_Navigation_Icon, label_Navigation_Text, flag,
                          "invalidNavigation", QStringLiteral("не валидны"),
                          "validNavigation", QStringLiteral("валидны"));
}

void CMO_FormProperty_Navigation::setDateTime(const QString& text)
{
    label_DateTime_Text->setText(text);
}

void CMO_FormProperty_Navigation::setSpeed(float kmh)
{
    label_Speed_Text->setText(QString::asprintf("%.1f", static_cast<double>(kmh)) + QStringLiteral(" км/ч"));
}

void CMO_FormProperty_Navigation::setCourse(int degrees)
{
    label_Course_Text->setText(QString::asprintf("%d", degrees) + QStringLiteral(" °"));
}

void CMO_FormProperty_Navigation::setWidth(int counts)
{
    label_Width_Text->setText(angleText(counts));
}

void CMO_FormProperty_Navigation::setLongitude(int counts)
{
    label_Longitude_Text->setText(angleText(counts));
}

void CMO_FormProperty_Navigation::setAltitude(int decimetres)
{
    label_Altitude_Text->setText(QStringLiteral("%1 м").arg(decimetres / 10));
}

void CMO_FormProperty_Navigation::setWay(float km)
{
    label_Way_Text->setText(QString::asprintf("%.3f", static_cast<double>(km)) + QStringLiteral(" км"));
}

void CMO_FormProperty_Navigation::setAllSeconds(int seconds)
{
    label_AllSeconds_Text->setText(QString::asprintf("%d", seconds) + QStringLiteral(" c"));
}

void CMO_FormProperty_Navigation::setSecondsLast(int seconds)
{
    label_SecondsLast_Text->setText(QString::asprintf("%d", seconds) + QStringLiteral(" c"));
}

void CMO_FormProperty_Navigation::setRun(float km)
{
    label_Run_Text->setText(QString::asprintf("%.3f", static_cast<double>(km)) + QStringLiteral(" км"));
}
