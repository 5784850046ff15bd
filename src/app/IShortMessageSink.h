#pragma once
// Somewhere to send a short message for the user (a toast).

#include <string>

namespace JEX {

class IShortMessageSink {
public:
    virtual ~IShortMessageSink() = default;
    // UTF-8 text, already translated.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace JEX
