// What the server needs of the transport module: a way to the host, and the
// module value that every packet carries.
#ifndef KVZB_HOST_H
#define KVZB_HOST_H

class KvzbHost
{
public:
    virtual ~KvzbHost() = default;
    virtual void sendToHost(int code, void* data, void* out) = 0;
    virtual void* registeredModule() const = 0;
};

#endif // KVZB_HOST_H
