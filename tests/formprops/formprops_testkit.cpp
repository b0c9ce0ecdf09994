#include "formprops_testkit.h"

#include "cmo_formproperty_analog.h"
#include "cmo_formproperty_can.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_digital.h"
#include "cmo_formproperty_event.h"
#include "cmo_formproperty_frequency.h"
#include "cmo_formproperty_gsm.h"
#include "cmo_formproperty_impuls.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_navigation.h"
#include "cmo_formproperty_object.h"
#include "cmo_formproperty_out.h"
#include "cmo_formproperty_power.h"
#include "cmo_formproperty_sh.h"
#include "cmo_formproperty_temp.h"
#include "cmo_formproperty_work.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace TestKit {

std::unique_ptr<QWidget> makeGroup(const QString& name)
{
    if (name == QLatin1String("Analog")) return std::make_unique<CMO_FormProperty_Analog>();
    if (name == QLatin1String("CAN")) return std::make_unique<CMO_FormProperty_CAN>();
    if (name == QLatin1String("Commands")) return std::make_unique<CMO_FormProperty_Commands>();
    if (name == QLatin1String("Digital")) return std::make_unique<CMO_FormProperty_Digital>();
    if (name == QLatin1String("Event")) return std::make_unique<CMO_FormProperty_Event>();
    if (name == QLatin1String("Frequency")) return std::make_unique<CMO_FormProperty_Frequency>();
    if (name == QLatin1String("GSM")) return std::make_unique<CMO_FormProperty_GSM>();
    if (name == QLatin1String("Impuls")) return std::make_unique<CMO_FormProperty_Impuls>();
    if (name == QLatin1String("In")) return std::make_unique<CMO_FormProperty_In>();
    if (name == QLatin1String("Navigation")) return std::make_unique<CMO_FormProperty_Navigation>();
    if (name == QLatin1String("Object")) return std::make_unique<CMO_FormProperty_Object>();
    if (name == QLatin1String("Out")) return std::make_unique<CMO_FormProperty_Out>();
    if (name == QLatin1String("Power")) return std::make_unique<CMO_FormProperty_Power>();
    if (name == QLatin1String("SH")) return std::make_unique<CMO_FormProperty_SH>();
    if (name == QLatin1String("Temp")) return std::make_unique<CMO_FormProperty_Temp>();
    if (name == QLatin1String("Work")) return std::make_unique<CMO_FormProperty_Work>();
    return nullptr;
}

const QStringList& pictureNames()
{
    static const QStringList names = {
        "greenLamp", "redLamp", "noAlarm", "alarm", "arrowGroupDown", "arrowGroupUp",
        "validNavigation", "invalidNavigation", "gsmLevel0", "gsmLevel20", "gsmLevel50",
        "gsmLevel90", "gsmLevel100", "Unlock", "Lock", "mainPower", "reservePower",
        "termometr", "speedometer", "radioAntenna", "sim", "chronometer", "address",
        "divider", "latitude", "longtitude"};
    return names;
}

QImage resourceImage(const QString& name)
{
    return QImage(QStringLiteral(":/Images/Resources/images/%1.png").arg(name))
        .convertToFormat(QImage::Format_ARGB32);
}

static QString matching(const QImage& shown)
{
    if (shown.isNull())
        return QString();
    const QImage image = shown.convertToFormat(QImage::Format_ARGB32);
    for (const QString& name : pictureNames()) {
        if (resourceImage(name) == image)
            return name;
    }
    return QString();
}

QString pictureName(const QLabel* label)
{
    return matching(label->pixmap(Qt::ReturnByValue).toImage());
}

QString iconName(const QPushButton* button, int size)
{
    return matching(button->icon().pixmap(QSize(size, size)).toImage());
}

bool hasDetail(const QImage& image)
{
    if (image.isNull())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = argb.pixel(0, 0);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (argb.pixel(x, y) != first)
                return true;
    return false;
}

} // namespace TestKit
