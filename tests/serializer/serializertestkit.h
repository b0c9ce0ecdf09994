// Helpers of the serializer tests: documents made from and saved to bytes.
#ifndef SERIALIZERTESTKIT_H
#define SERIALIZERTESTKIT_H

#include <QByteArray>
#include <QString>

class CSerialize;

namespace SerializerTestKit {

// The declaration line every saved document starts with.
extern const char kDeclaration[];

// A buffer-bound document parsed from bytes; null when it does not open.
CSerialize* openBytes(const QByteArray& bytes);
// What a buffer save of the document writes.
QByteArray savedBytes(CSerialize* document);
QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

}

#endif // SERIALIZERTESTKIT_H
