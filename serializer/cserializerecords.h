// The plain records that pass between a section handle and its document.
// Text fields are zero-terminated windows-1251 bytes.
#ifndef CSERIALIZERECORDS_H
#define CSERIALIZERECORDS_H

class CSerialize;
class CSerializeElement;

enum {
    SERIALIZE_NAME_SIZE = 255,    // up to 254 bytes and a zero
    SERIALIZE_VALUE_SIZE = 257,   // up to 256 bytes and a zero
    SERIALIZE_REQUEST_NAME_SIZE = 256,
    SERIALIZE_FILE_NAME_SIZE = 256
};

// One value of an element: an attribute, or the text of a child element.
struct CSerializeAttribute {
    char name[SERIALIZE_NAME_SIZE];
    char value[SERIALIZE_VALUE_SIZE];
    int isChild;                  // 0 an attribute, 1 a child element
    CSerializeElement* element;   // what the entry was read from; null when a caller made it
};

// A counted array of entries.
struct CSerializeValues {
    int count;
    CSerializeAttribute* items;
};

// The argument of the element functions.
struct CSerializeRequest {
    CSerialize* document;
    CSerializeElement* element;   // the parent, or the element to act on
    int mode;                     // as CSerializeElement::addChild
    char name[SERIALIZE_REQUEST_NAME_SIZE];
    CSerializeElement* result;
};

// A document read from or saved to memory.
struct CSerializeBuffer {
    int size;
    char* buffer;
    CSerialize* document;
};

// A document bound to a file; the name is in the file system's encoding.
struct CSerializeFile {
    char fileName[SERIALIZE_FILE_NAME_SIZE];
    CSerialize* document;
};

#endif // CSERIALIZERECORDS_H
