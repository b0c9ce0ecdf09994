// The pictures the F-4 groups add to the property library's own: the four
// guard modes and the lamps of the extra input-line states. Each group calls
// load() before it builds its form.
#ifndef F4_PICTURES_H
#define F4_PICTURES_H

class F4Pictures
{
public:
    static void load();
};

#endif // F4_PICTURES_H
