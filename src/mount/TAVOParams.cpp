#include "TAVOParams.h"

namespace JEX {

void registerMountMetaTypes() {
    qRegisterMetaType<TAVOParamSet>();
    qRegisterMetaType<ReadTAVOParamSet>();
    qRegisterMetaType<TAVOStatus>();
    qRegisterMetaType<TAVOPowerStatus>();
    qRegisterMetaType<WifiSettings>();
    qRegisterMetaType<TAVOMode_::E>();
    qRegisterMetaType<WifiMode_::E>();
    qRegisterMetaType<WifiSec_::E>();
    qRegisterMetaType<WifiSettingsLimit_::E>();
}

} // namespace JEX
