#pragma once
// A pseudo-translation for checking layouts: every text comes back twice as long, in
// brackets, with its placeholders defused in the copy so that they are not filled twice.

#include <QTranslator>

namespace JEX {

class DoubleLengthTranslator : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;

    // "%1x %2" becomes "[%1x %2 _1x _2]"; never empty, so it answers every text unless a
    // translator installed after it answers first.
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace JEX
