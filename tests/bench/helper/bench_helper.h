// The benchmark's helper plug-in inside velkor: a format plug-in for the
// benchmark's test record (so "*>T" packets are answered and handed to a
// session), which once the window is ready sets the transport's port and the
// log pane's two check boxes and presses Start through the window's button.
#ifndef BENCH_HELPER_H
#define BENCH_HELPER_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QObject>

class BenchHelper : public QObject
{
    Q_OBJECT
public:
    BenchHelper();
    const KvzPluginInfo& info() const { return m_info; }
    void initialize(KvzHostCallback callback, void* core);
    void receiveMessage(int code, void* data, void* out);

private slots:
    void slot_timeout_Start();

private:
    void handlePacket(const TransportPacket* packet, KvzPacketOut* out);
    void writeStatus(const QByteArray& text) const;
    static void recordNumber(const CEvent_Packet* packet, int32_t* out);

    KvzPluginInfo m_info;
    KvzHostCallback m_callback = nullptr;
    void* m_core = nullptr;
    QByteArray m_text;  // the text handed back for the last packet
    int m_startTries = 0;
};

#endif // BENCH_HELPER_H
