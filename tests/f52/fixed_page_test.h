// What the page tests of the fixed-record plug-ins share: a host callback
// that records the page handed over and every command sent, and lookups of
// a page's widgets by object name.
#ifndef FIXED_PAGE_TEST_H
#define FIXED_PAGE_TEST_H

#include "kvz_abi.h"

#include <QByteArray>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <vector>

namespace FixedPageTest {

struct Host {
    std::vector<QByteArray> sent;   // the data of every MSG_SEND_TO_DEVICE
    QWidget* page = nullptr;        // of MSG_ADD_FORMAT_PAGE
    int pageFormat = 0;
};

inline Host& host()
{
    static Host recorded;
    return recorded;
}

inline int hostCallback(void*, int code, void* data, void* out)
{
    if (code == MSG_SEND_TO_DEVICE && data) {
        const auto* packet = static_cast<const TransportPacket*>(data);
        host().sent.push_back(QByteArray(reinterpret_cast<const char*>(packet->data), packet->length));
    } else if (code == MSG_ADD_FORMAT_PAGE) {
        host().page = static_cast<QWidget*>(data);
        host().pageFormat = int(reinterpret_cast<intptr_t>(out));
    }
    return 0;
}

template <typename T> T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

inline QString labelText(QWidget* parent, const char* name)
{
    QLabel* label = child<QLabel>(parent, name);
    return label ? label->text() : QStringLiteral("<no ") + QLatin1String(name) + QStringLiteral(">");
}

inline bool visible(QWidget* parent, const char* name)
{
    QWidget* widget = child<QWidget>(parent, name);
    return widget && widget->isVisible();
}

} // namespace FixedPageTest

#endif // FIXED_PAGE_TEST_H
