// The flat functions through which section handles reach their document.
// A null record or a record without document does nothing.
#ifndef SERIALIZEFUNCTIONS_H
#define SERIALIZEFUNCTIONS_H

#include "cserializerecords.h"

// Opens (and parses) the named file; the document, or null on failure.
void SerializeOpenFile(CSerializeFile* file);
// Parses size bytes at buffer; the document, or null on failure.
void SerializeOpenBuffer(CSerializeBuffer* buffer);
// Saves the document to its file when save is set, then releases it.
void SerializeClose(CSerialize* document, int save);
// Writes the document into its output buffer; size becomes the byte count,
// 0 when the document cannot be written.
void SerializeSaveBuffer(CSerializeBuffer* buffer);
// Copies the saved bytes (at most size) into buffer, then releases the document.
void SerializeTakeBuffer(CSerializeBuffer* buffer);

void SerializeFindOrAdd(CSerializeRequest* request);
void SerializeCountValues(CSerializeRequest* request, int* count);
// Fills at most capacity entries.
void SerializeReadValues(CSerializeRequest* request, CSerializeAttribute* entries, int capacity);
void SerializeWriteValues(CSerializeRequest* request, const CSerializeValues* values);
void SerializeClearElement(CSerializeRequest* request);

#endif // SERIALIZEFUNCTIONS_H
