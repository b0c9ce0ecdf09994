// The F-5 format plug-in object: format number 5, the 67-byte record
// description, the F-5 page and the F-5 sessions. The library holds
// exactly one instance.
#ifndef FORMAT_F5_H
#define FORMAT_F5_H

#include "format_plugin.h"

#include <QPointer>

class F5Record;
class F5Session;
class KVZ_FormParam_F5;

class FormatF_5 : public FormatPlugin
{
public:
    enum { FormatNumber = 5, NumberOffset = 1, RecordSize = 67 };

    FormatF_5(const QString& name, int32_t first, int32_t second, int32_t third);
    ~FormatF_5() override;

    // The library's one instance, "F-5", 1, 0, 0.
    static FormatF_5& instance();
    // The instance once Initialize has run, else null.
    static FormatF_5* published();

    KVZ_FormParam_F5* page() const;
    // Passes the five values on to the page, when there is one.
    void showRecord(F5Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F5Record* record);

protected:
    int32_t formatNumber() const override { return FormatNumber; }
    int32_t recordSize() const override { return RecordSize; }
    int32_t numberOffset() const override { return NumberOffset; }
    void fieldLocations(int32_t* table) const override;
    void createForm() override;
    FormatSession* createSession(const TransportPacket& packet) override;
    void sessionClosing(FormatSession* session) override;

private:
    QPointer<KVZ_FormParam_F5> m_page;
};

#endif // FORMAT_F5_H
