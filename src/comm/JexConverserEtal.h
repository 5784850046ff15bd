#pragma once
// What a device factory returns for one link: the device command set over the protocol
// converser, the serialising converser, and the endpoint's name (plus the port for
// serial links).

#include "IConverser.h"

#include <memory>
#include <string>

namespace JEX {

class IJexDevice;
class ISerialPort;

struct JexConverserEtal {
    std::shared_ptr<IJexDevice> device;
    std::shared_ptr<IJexConverser> converser;
    std::shared_ptr<IConverser> slConverser;
    std::string endpoint;                    // remote address or serial port name
    std::shared_ptr<ISerialPort> serialPort; // serial links only
};

} // namespace JEX
