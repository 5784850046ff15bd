// velmoractl's program JSON (run's input), fed any bytes: what it accepts it writes back as
// JSON that reads to the same program.

#include "CtlArgs.h"
#include "CtlPlan.h"
#include "FuzzSupport.h"

#include <QJsonDocument>

using namespace JEX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = Fuzz::qbytes(data, size);
    QString error;
    const std::optional<TAVOParamSet> program = Ctl::parseProgram(input, &error);
    FUZZ_CHECK(program.has_value() == error.isEmpty(), "program %d with error '%s'",
               int(program.has_value()), qPrintable(error));
    if (!program)
        return 0;
    (void)Ctl::programText(*program);
    const QByteArray written = QJsonDocument(Ctl::programJson(*program)).toJson();
    QString againError;
    const std::optional<TAVOParamSet> again = Ctl::parseProgram(written, &againError);
    FUZZ_CHECK(again.has_value() && *again == *program,
               "program from\n%s\nwritten as\n%s\nreads back differently: '%s'", input.constData(),
               written.constData(), qPrintable(againError));
    return 0;
}
