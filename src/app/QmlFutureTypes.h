#pragma once
// The future types native objects hand to QML, taught to the Future singleton: mount command
// results (QFuture<CmdRet>) and lists (QFuture<QVariantList>).

namespace JEX {

void registerQmlFutureTypes();

} // namespace JEX
