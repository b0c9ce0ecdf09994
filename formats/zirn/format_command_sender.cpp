#include "format_command_sender.h"

#include "format_plugin.h"
#include "kvz_text.h"

#include <cstring>

bool FormatCommandSender::send(const FormatSession* session, const QString& text, int room)
{
    const QByteArray bytes = KvzText::toCp1251(text);
    FormatPlugin* plugin = FormatPlugin::published();
    if (!plugin || bytes.isEmpty() || bytes.size() > room || room > FreeTextSize)
        return false;
    uint8_t buffer[FreeTextSize];
    std::memset(buffer, 0, sizeof(buffer));
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()));
    plugin->sendToDevice(session, buffer, bytes.size());
    return true;
}

QString FormatCommandSender::numbered(const char* prefix, int n, const char* suffix)
{
    return QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
}
