#include "serializertestkit.h"

#include "cserialize.h"

#include <QFile>

namespace SerializerTestKit {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

CSerialize* openBytes(const QByteArray& bytes)
{
    CSerialize* document = new CSerialize(bytes.size(), bytes.constData());
    if (document->open())
        return document;
    delete document;
    return nullptr;
}

QByteArray savedBytes(CSerialize* document)
{
    document->saveToBuffer();
    return document->outputBuffer();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

}
