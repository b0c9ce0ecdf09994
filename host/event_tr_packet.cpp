#include "event_tr_packet.h"

Event_Tr_Packet::Event_Tr_Packet()
    : QEvent(static_cast<QEvent::Type>(EventType))
{
}

Event_Tr_Packet::~Event_Tr_Packet() = default;
