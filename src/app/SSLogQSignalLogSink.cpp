#include "SSLogQSignalLogSink.h"

#include "Log.h"

namespace JEX {

SSLogQSignalLogSink::SSLogQSignalLogSink(QObject* parent)
    : QObject(parent),
      sinkId_(addSink([this](const char* line) { emit writeSignal(QString::fromUtf8(line)); })) {}

SSLogQSignalLogSink::~SSLogQSignalLogSink() {
    removeSink(sinkId_);
}

} // namespace JEX
