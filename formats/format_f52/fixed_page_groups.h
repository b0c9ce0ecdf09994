// What the F-52 and F-5 pages do alike with their groups: the six
// command-button groups are enabled or disabled together.
#ifndef FIXED_PAGE_GROUPS_H
#define FIXED_PAGE_GROUPS_H

class CMO_FormProperty_Commands;
class CMO_FormProperty_In;
namespace F52 {
class CMO_FormProperty_Analog;
class CMO_FormProperty_Impuls;
class CMO_FormProperty_Out;
class CMO_FormProperty_Work;
}

class FixedPageGroups
{
public:
    // Out, Impuls, Analog, In, Work, then Commands; a group that is null is passed over.
    static void setCommandsEnabled(F52::CMO_FormProperty_Out* out, F52::CMO_FormProperty_Impuls* impuls,
                                   F52::CMO_FormProperty_Analog* analog, CMO_FormProperty_In* in,
                                   F52::CMO_FormProperty_Work* work, CMO_FormProperty_Commands* commands,
                                   bool enabled);
};

#endif // FIXED_PAGE_GROUPS_H
