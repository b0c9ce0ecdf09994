#include "kvz_object.h"

#include "kvz_core.h"
#include "kvz_logtext.h"

#include <QPointer>
#include <QTreeWidget>

namespace {
enum Column { ColId, ColName, ColFormat, ColReceived, ColSent, ColTime, ColData };
}

KVZ_Object::KVZ_Object(QTreeWidget* aTree, TransportPacket* packet, quintptr serial, QObject* parent)
    : QObject(parent), tree(aTree), handshakeCopy(new TransportPacket), rowSerial(serial)
{
    lastFormatNumber = packet->formatNumber;
    packet->hostObject = reinterpret_cast<void*>(serial);
    handshakeCopy->copyFrom(*packet);

    deviceName = packet->deviceNameText();
    id = static_cast<int32_t>(packet->deviceId);
    receivedTotal = packet->validLength();
    sentTotal = 0;
    item = new QTreeWidgetItem(0);
    item->setText(ColId, QString::number(id));
    item->setText(ColName, deviceName);
    item->setText(ColReceived, QString::number(receivedTotal));
    item->setText(ColSent, QString::number(sentTotal));
    item->setText(ColTime, KvzLogText::now());
    item->setText(ColData, QStringLiteral("Подключение"));
    tree->addTopLevelItem(item);
}

KVZ_Object::~KVZ_Object()
{
    delete item;
    delete handshakeCopy;
}

bool KVZ_Object::isSelected() const
{
    return item && item->isSelected();
}

// The row may end while the format plug-in handles its messages (a
// disconnect delivered by an event loop that the plug-in runs): nothing of
// it is touched after that.
void KVZ_Object::packetReceived(const TransportPacket& packet, KvzPacketOut& out)
{
    KvzCore* core = KvzCore::instance();
    const QPointer<KVZ_Object> alive(this);
    lastFormatNumber = packet.formatNumber;
    if (!formatRecord && core) {
        formatRecord = core->findFormat(packet.formatNumber);
        if (formatRecord)
            core->sendToPlugin(formatRecord, MSG_SESSION_OPEN, handshakeCopy, kvzIntArg(1));
        if (!alive)
            return;
    }
    if (item && packet.type != PT_PING && packet.type != PT_ZIRN_PING)
        item->setText(ColFormat, core ? core->formatName(packet.formatNumber) : QString());
    out.selected = isSelected() ? 1 : 0;
    if (formatRecord && core)
        core->sendToPlugin(formatRecord, MSG_SESSION_PACKET, const_cast<TransportPacket*>(&packet), &out);
    if (!alive)
        return;
    receivedTotal += packet.validLength();
    if (item) {
        item->setText(ColReceived, QString::number(receivedTotal));
        item->setText(ColTime, KvzLogText::now());
        item->setText(ColData, typeName(packet.type));
    }
}

void KVZ_Object::packetSent(const TransportPacket& packet)
{
    sentTotal += packet.validLength();
    if (item)
        item->setText(ColSent, QString::number(sentTotal));
}

void KVZ_Object::close()
{
    delete item;
    item = nullptr;
    if (formatRecord && KvzCore::instance())
        KvzCore::instance()->sendToPlugin(formatRecord, MSG_SESSION_CLOSE, &deviceName, kvzIntArg(1));
}

void KVZ_Object::show()
{
    if (formatRecord && KvzCore::instance())
        KvzCore::instance()->sendToPlugin(formatRecord, MSG_SESSION_SHOW, &deviceName, nullptr);
}

QString KVZ_Object::typeName(int32_t type)
{
    switch (type) {
    case PT_HANDSHAKE:      return QStringLiteral("Handshake");
    case PT_RECORD:         return QStringLiteral("Данные");
    case PT_ARCHIVE:        return QStringLiteral("Архив");
    case PT_PING:           return QStringLiteral("Пинг");
    case PT_COMMAND_ANSWER: return QStringLiteral("Ответ на команду");
    case PT_VERSION:        return QStringLiteral("Версия устройства");
    case PT_STATE:          return QStringLiteral("Текущее состояние");
    case PT_RFU:            return QStringLiteral("Соединение с RFU");
    case PT_RCS:            return QStringLiteral("Соединение с RCS");
    case PT_ZIRN_HANDSHAKE: return QStringLiteral("Handshake ZIRN");
    case PT_ZIRN_CURRENT:   return QStringLiteral("Тек. состояние");
    case PT_ZIRN_EVENT:     return QStringLiteral("Данные");
    case PT_ZIRN_ARCHIVE:   return QStringLiteral("Архив");
    case PT_ZIRN_PING:      return QStringLiteral("Пинг");
    default:                return QStringLiteral("Unknow");
    }
}
