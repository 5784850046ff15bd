#include "DoubleLengthTranslator.h"

namespace JEX {

QString DoubleLengthTranslator::translate(const char*, const char* sourceText, const char*,
                                          int) const {
    const QString s = QString::fromUtf8(sourceText);
    QString t = s;
    for (const QChar c : {u'%', u'{', u'}'})
        t.replace(c, u'_');
    return u'[' + s + u' ' + t + u']';
}

} // namespace JEX
