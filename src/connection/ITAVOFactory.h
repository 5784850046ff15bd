#pragma once
// Builds the mount object and its per-link companions for one opened link.

#include "IConverser.h"
#include "IJexDevice.h"
#include "ITAVO.h"

#include <memory>

namespace JEX {

class ITAVOFactory {
public:
    virtual ~ITAVOFactory() = default;
    // From the link's protocol converser and device command set; never null.
    virtual std::shared_ptr<ITAVO> create(std::shared_ptr<IJexConverser> converser,
                                          std::shared_ptr<IJexDevice> device) = 0;
};

} // namespace JEX
