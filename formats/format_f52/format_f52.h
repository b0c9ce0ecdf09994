// The F-52 format plug-in object: format number 37, the 86-byte record
// description, the F-52 page and the F-52 sessions. The library holds
// exactly one instance.
#ifndef FORMAT_F52_H
#define FORMAT_F52_H

#include "format_plugin.h"

#include <QPointer>

class F52Record;
class F52Session;
class KVZ_FormParam_F52;

class FormatF_52 : public FormatPlugin
{
public:
    enum { FormatNumber = 37, NumberOffset = 1, RecordSize = 86 };

    FormatF_52(const QString& name, int32_t first, int32_t second, int32_t third);
    ~FormatF_52() override;

    // The library's one instance, "F-52", 1, 0, 0.
    static FormatF_52& instance();
    // The instance once Initialize has run, else null.
    static FormatF_52* published();

    KVZ_FormParam_F52* page() const;
    // Passes the five values on to the page, when there is one.
    void showRecord(F52Session* session, uint8_t commandPending, const QString& name,
                    const QString& idText, const F52Record* record);

protected:
    int32_t formatNumber() const override { return FormatNumber; }
    int32_t recordSize() const override { return RecordSize; }
    int32_t numberOffset() const override { return NumberOffset; }
    void fieldLocations(int32_t* table) const override;
    void createForm() override;
    FormatSession* createSession(const TransportPacket& packet) override;
    void sessionClosing(FormatSession* session) override;

private:
    QPointer<KVZ_FormParam_F52> m_page;
};

#endif // FORMAT_F52_H
