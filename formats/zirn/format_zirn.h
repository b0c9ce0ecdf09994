// The ZIRN format plug-in object: format number 176, the fixed 111-byte
// record description that the host and the transport ask for, the device
// page and the ZIRN sessions. The library holds exactly one instance.
#ifndef FORMAT_ZIRN_H
#define FORMAT_ZIRN_H

#include "format_plugin.h"
#include "format_session_list.h"

#include <QPointer>

class KVZ_FormParam_Zirn;
class TmiPage_Zirn;
class ZirnSession;

using ZirnSessionList = FormatSessionList;

class Format_Zirn : public FormatPlugin
{
public:
    enum { FormatNumber = 176, NumberOffset = 1, RecordSize = 111 };

    Format_Zirn(const QString& name, int32_t first, int32_t second, int32_t third);
    ~Format_Zirn() override;

    // The library's one instance, "ZIRN", 1, 0, 0.
    static Format_Zirn& instance();
    // The instance once Initialize has run, else null.
    static Format_Zirn* published();

    KVZ_FormParam_Zirn* page() const;
    // Passes the five values on to the page, when there is one.
    void showRecord(ZirnSession* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const TmiPage_Zirn* record);

protected:
    int32_t formatNumber() const override { return FormatNumber; }
    int32_t recordSize() const override { return RecordSize; }
    int32_t numberOffset() const override { return NumberOffset; }
    void fieldLocations(int32_t* table) const override;
    void createForm() override;
    FormatSession* createSession(const TransportPacket& packet) override;
    void sessionClosing(FormatSession* session) override;

private:
    QPointer<KVZ_FormParam_Zirn> m_page;
};

#endif // FORMAT_ZIRN_H
