// How a device page sends a command: the text is encoded once in
// windows-1251 and, when it fits the command's room (9 bytes for fixed and
// numbered commands, 120 for free texts) and the plug-in is initialised,
// its bytes go to the session through the plug-in, which passes them on
// only while that session is still listed.
#ifndef FORMAT_COMMAND_SENDER_H
#define FORMAT_COMMAND_SENDER_H

#include <QString>

class FormatSession;

class FormatCommandSender
{
public:
    enum { NumberedCommandSize = 9, FreeTextSize = 120 };

    // True when the bytes went to the plug-in; an empty or too long text,
    // or a plug-in that is not initialised, sends nothing.
    static bool send(const FormatSession* session, const QString& text, int room);
    // prefix, n in decimal, suffix: "*!" 2 "Y", "*!OFF:" 5 "".
    static QString numbered(const char* prefix, int n, const char* suffix = "");
};

#endif // FORMAT_COMMAND_SENDER_H
