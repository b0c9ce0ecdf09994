// One connected terminal: a row of the device tree and what the host knows
// of the terminal; opens, feeds and closes its session in the format plug-in.
#ifndef KVZ_OBJECT_H
#define KVZ_OBJECT_H

#include "kvz_abi.h"

#include <QObject>
#include <QString>

class KvzPluginRecord;
class QTreeWidget;
class QTreeWidgetItem;

class KVZ_Object : public QObject
{
    Q_OBJECT
public:
    // serial names this row in the packets of its connection (written into
    // the packet's hostObject); the window never gives the same one twice.
    KVZ_Object(QTreeWidget* tree, TransportPacket* packet, quintptr serial, QObject* parent);
    ~KVZ_Object() override;

    void packetReceived(const TransportPacket& packet, KvzPacketOut& out);
    void packetSent(const TransportPacket& packet);
    void close();
    void show();

    QString name() const { return deviceName; }
    int32_t deviceId() const { return id; }
    int32_t formatNumber() const { return lastFormatNumber; }
    void* module() const { return handshakeCopy->module; }
    void* connection() const { return handshakeCopy->connection; }
    quintptr serial() const { return rowSerial; }
    bool isSelected() const;

    // Display name of a packet type in column 6.
    static QString typeName(int32_t type);

private:
    QTreeWidget* tree;
    KvzPluginRecord* formatRecord = nullptr;
    QString deviceName;
    int32_t id = -1;
    // 64 bits: a connection that lasts for weeks passes 2 GiB
    qint64 receivedTotal = 0;
    qint64 sentTotal = 0;
    int32_t lastFormatNumber = 0;
    QTreeWidgetItem* item = nullptr;
    // The row's own copy of the handshake, read by the format session until
    // it is closed; the sender's packet is not kept.
    TransportPacket* handshakeCopy;
    quintptr rowSerial;
};

#endif // KVZ_OBJECT_H
