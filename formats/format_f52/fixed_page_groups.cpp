#include "fixed_page_groups.h"

#include "cmo_formproperty_analog_f52.h"
#include "cmo_formproperty_commands.h"
#include "cmo_formproperty_impuls_f52.h"
#include "cmo_formproperty_in.h"
#include "cmo_formproperty_out_f52.h"
#include "cmo_formproperty_work_f52.h"

void FixedPageGroups::setCommandsEnabled(F52::CMO_FormProperty_Out* out, F52::CMO_FormProperty_Impuls* impuls,
                                         F52::CMO_FormProperty_Analog* analog, CMO_FormProperty_In* in,
                                         F52::CMO_FormProperty_Work* work, CMO_FormProperty_Commands* commands,
                                         bool enabled)
{
    if (out)
        out->setButtonsEnabledF52(enabled);
    if (impuls)
        impuls->setButtonsEnabled(enabled);
    if (analog)
        analog->setButtonsEnabled(enabled);
    if (in)
        in->setButtonsEnabled(enabled);
    if (work)
        work->setButtonsEnabled(enabled);
    if (commands)
        commands->setSendEnabled(enabled);
}
