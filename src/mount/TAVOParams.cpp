#include "TAVOParams.h"

namespace JEX {

bool isKnownWifiSecurity(WifiSec_::E sec) {
    switch (sec) {
    case WifiSec_::E::Open:
    case WifiSec_::E::WPA_PSK:
    case WifiSec_::E::WPA2_PSK:
    case WifiSec_::E::WPA_WPA2_PSK:
        return true;
    }
    return false;
}

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
