#include "serializefunctions.h"

#include "cserialize.h"
#include "kvz_text.h"

#include <QString>

#include <cstring>
#include <new>

namespace {

QString requestName(const CSerializeRequest* request)
{
    return KvzText::fromField(request->name, SERIALIZE_REQUEST_NAME_SIZE);
}

}

void SerializeOpenFile(CSerializeFile* file)
{
    if (!file)
        return;
    file->document = nullptr;
    // A name that fills its field without a terminating zero is refused.
    if (!std::memchr(file->fileName, 0, SERIALIZE_FILE_NAME_SIZE) || file->fileName[0] == 0)
        return;
    CSerialize* document = new (std::nothrow) CSerialize(QString::fromLocal8Bit(file->fileName));
    if (document && !document->open()) {
        delete document;
        document = nullptr;
    }
    file->document = document;
}

void SerializeOpenBuffer(CSerializeBuffer* buffer)
{
    if (!buffer)
        return;
    buffer->document = nullptr;
    if (buffer->size < 0 || (buffer->size > 0 && !buffer->buffer))
        return;
    CSerialize* document = new (std::nothrow) CSerialize(buffer->size, buffer->buffer);
    if (document && !document->open()) {
        delete document;
        document = nullptr;
    }
    buffer->document = document;
}

void SerializeClose(CSerialize* document, int save)
{
    if (!document)
        return;
    if (save)
        document->saveToFile();
    delete document;
}

void SerializeSaveBuffer(CSerializeBuffer* buffer)
{
    if (!buffer || !buffer->document)
        return;
    buffer->size = buffer->document->saveToBuffer();
}

void SerializeTakeBuffer(CSerializeBuffer* buffer)
{
    if (!buffer || !buffer->document)
        return;
    if (buffer->size > 0)
        buffer->document->copyBuffer(buffer->buffer, buffer->size);
    delete buffer->document;
    buffer->document = nullptr;
}

void SerializeFindOrAdd(CSerializeRequest* request)
{
    if (!request || !request->document)
        return;
    request->result = request->document->addElement(request->element, requestName(request),
                                                    request->mode);
}

void SerializeCountValues(CSerializeRequest* request, int* count)
{
    if (!request || !request->document || !count)
        return;
    *count = request->document->countValues(request->element);
}

void SerializeReadValues(CSerializeRequest* request, CSerializeAttribute* entries, int capacity)
{
    if (!request || !request->document)
        return;
    request->document->readValues(request->element, entries, capacity);
}

void SerializeWriteValues(CSerializeRequest* request, const CSerializeValues* values)
{
    if (!request || !request->document || !values)
        return;
    request->document->writeValues(request->element, values->count, values->items);
}

void SerializeClearElement(CSerializeRequest* request)
{
    if (!request || !request->document)
        return;
    request->document->clearElement(request->element);
}
