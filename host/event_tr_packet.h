// An event for handing packets to a transport's server object (type 1111).
#ifndef EVENT_TR_PACKET_H
#define EVENT_TR_PACKET_H

#include <QEvent>

class Event_Tr_Packet : public QEvent
{
public:
    enum { EventType = 1111 };
    Event_Tr_Packet();
    ~Event_Tr_Packet() override;
};

#endif // EVENT_TR_PACKET_H
