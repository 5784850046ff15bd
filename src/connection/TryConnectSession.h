#pragma once
// Announces the outcome of each connect (true) or of a failed connect or a disconnect
// (false) to whoever follows the connection's link.

#include "CallbackList.h"

#include <functional>

namespace JEX {

class TryConnectSession {
public:
    void append(std::function<void(bool)> callback) { list_.append(std::move(callback)); }
    void fire(bool connected) const { list_(connected); }

private:
    CallbackList<void(bool)> list_;
};

} // namespace JEX
