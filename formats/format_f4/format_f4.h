// The F-4 format plug-in object: format number 4, the 27-byte record that
// the host and the transport ask about, the F-4 page and the F-4 sessions.
// The library holds exactly one instance.
#ifndef FORMAT_F4_H
#define FORMAT_F4_H

#include "format_plugin.h"

#include <QPointer>

class F4Record;
class F4Session;
class KVZ_FormParam_F4;

class FormatF_4 : public FormatPlugin
{
public:
    enum { FormatNumber = 4, NumberOffset = 1, RecordSize = 27 };

    FormatF_4(const QString& name, int32_t first, int32_t second, int32_t third);
    ~FormatF_4() override;

    // The library's one instance, "F-4", 1, 0, 0.
    static FormatF_4& instance();
    // The instance once Initialize has run, else null.
    static FormatF_4* published();

    KVZ_FormParam_F4* page() const;
    // Passes the five values on to the page, when there is one.
    void showRecord(F4Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F4Record* record);

    // The 60 entries of MSG_FIELD_TABLE.
    static void writeFieldTable(int32_t* table);

protected:
    int32_t formatNumber() const override { return FormatNumber; }
    int32_t recordSize() const override { return RecordSize; }
    int32_t numberOffset() const override { return NumberOffset; }
    void fieldLocations(int32_t* table) const override;
    void createForm() override;
    FormatSession* createSession(const TransportPacket& packet) override;
    void sessionClosing(FormatSession* session) override;

private:
    QPointer<KVZ_FormParam_F4> m_page;
};

#endif // FORMAT_F4_H
