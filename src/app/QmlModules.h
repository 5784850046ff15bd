#pragma once
// The console's QML modules are compiled in; a program that loads its pages calls this once
// before making its engine, so that the linker keeps every module's registration and QML
// can unpack the futures the mount's operations return.

namespace JEX {

void importQmlModules();

} // namespace JEX
