// The settings document reader fed arbitrary documents: parse, walk every
// element and its values, write it back and read the written bytes again.
#include "cserialize.h"
#include "cserializeelement.h"
#include "cserializerecords.h"

#include <cstring>
#include <vector>

namespace {
void walk(const CSerialize& document, const CSerializeElement* element, int depth)
{
    if (!element || depth > 200)
        return;
    const int count = document.countValues(element);
    if (count < 0)
        __builtin_trap();
    std::vector<CSerializeAttribute> values(static_cast<size_t>(count) + 1);
    document.readValues(element, values.data(), count);
    for (const CSerializeAttribute& v : values)
        if (!std::memchr(v.name, 0, sizeof(v.name)) || !std::memchr(v.value, 0, sizeof(v.value)))
            __builtin_trap();  // every field is zero-terminated within its width
    for (int i = 0; i < element->childCount(); ++i)
        walk(document, element->childAt(i), depth + 1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CSerialize document(static_cast<int>(size), reinterpret_cast<const char*>(data));
    if (!document.open())  // a memory document is parsed as it is opened
        return 0;
    walk(document, document.root(), 0);
    const int written = document.saveToBuffer();
    if (written > 0) {
        const QByteArray bytes = document.outputBuffer();
        CSerialize again(bytes.size(), bytes.constData());
        again.open();
    }
    return 0;
}
