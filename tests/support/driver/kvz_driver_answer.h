// One answer of the driver: success with a text, or an error message.
#ifndef KVZ_DRIVER_ANSWER_H
#define KVZ_DRIVER_ANSWER_H

#include <QString>

struct KvzDriverAnswer {
    bool ok = true;
    QString text;

    static KvzDriverAnswer success(const QString& text = QString()) { return {true, text}; }
    static KvzDriverAnswer failure(const QString& text) { return {false, text}; }
};

#endif // KVZ_DRIVER_ANSWER_H
