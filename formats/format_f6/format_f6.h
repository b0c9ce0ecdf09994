// The F-6 format plug-in object: format number 6, the 111-byte record with
// its number at offset 1, the field table, the parameter page and the F-6
// sessions. The library holds exactly one instance.
#ifndef FORMAT_F6_H
#define FORMAT_F6_H

#include "format_plugin.h"
#include "format_session_list.h"

#include <QPointer>

class F6Session;
class KVZ_FormParam_F6;
class TmiPage_F6;

using F6SessionList = FormatSessionList;

class FormatF_6 : public FormatPlugin
{
public:
    enum { FormatNumber = 6, NumberOffset = 1, RecordSize = 111 };

    FormatF_6(const QString& name, int32_t first, int32_t second, int32_t third);
    ~FormatF_6() override;

    // The library's one instance, "F-6", 1, 0, 0.
    static FormatF_6& instance();
    // The instance once Initialize has run, else null.
    static FormatF_6* published();

    KVZ_FormParam_F6* page() const;
    // Passes the five values on to the page, when there is one.
    void showRecord(F6Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const TmiPage_F6* record);

protected:
    int32_t formatNumber() const override { return FormatNumber; }
    int32_t recordSize() const override { return RecordSize; }
    int32_t numberOffset() const override { return NumberOffset; }
    void fieldLocations(int32_t* table) const override;
    void createForm() override;
    FormatSession* createSession(const TransportPacket& packet) override;
    void sessionClosing(FormatSession* session) override;

private:
    QPointer<KVZ_FormParam_F6> m_page;
};

#endif // FORMAT_F6_H
