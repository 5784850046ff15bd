#pragma once
// The typed outcome of one conversation with the mount: a result type and, when the
// command was accepted, its decoded value.

#include "CmdRet.h"
#include "Nullable.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace JEX {

using Bytes = std::vector<uint8_t>;

template <typename T> struct CmdResp {
    CmdRetType type = CmdRetType::Timeout;
    Nullable<T> value;

    CmdResp() = default;

    // A failed outcome; an accepted one must carry its value.
    CmdResp(CmdRetType failure) : type(failure) {
        if (failure == CmdRetType::Ok)
            throw std::logic_error("CmdResp: create invalid");
    }

    // An accepted outcome with its value.
    CmdResp(T okValue) : type(CmdRetType::Ok), value(std::move(okValue)) {}

    // Any type with an optional value; Nak and Other keep the reply bytes this way.
    CmdResp(CmdRetType t, Nullable<T> v) : type(t), value(std::move(v)) {}

    bool ok() const { return type == CmdRetType::Ok; }

    const T& get() const {
        if (type == CmdRetType::Ok && !value.hasValue())
            throw std::logic_error("CmdResp: read invalid");
        return value.value();
    }
};

} // namespace JEX
