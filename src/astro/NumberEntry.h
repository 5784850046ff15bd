#pragma once
// The one way a number typed by a person becomes a value: in the console's language (its
// decimal separator, and the point, which every keyboard has), without thousands separators,
// exponents, hexadecimal or anything that could be read two ways. A field's model holds the
// text, the value the program uses, and why the two differ; a group gathers a page's fields.

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

namespace JEX {

class NumberEntryGroup;

// What a text reads as: the value, or why it is refused (translated).
struct NumberReading {
    bool ok = false;
    double value = 0;
    QString problem;
};

class NumberEntry : public QObject {
    Q_OBJECT
    // The console's language code ("de"): its decimal separator is taken besides the point.
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(bool integer READ integer WRITE setInteger NOTIFY rulesChanged)
    Q_PROPERTY(double minValue READ minValue WRITE setMinValue NOTIFY rulesChanged)
    Q_PROPERTY(double maxValue READ maxValue WRITE setMaxValue NOTIFY rulesChanged)
    // The value the program uses. A new one replaces the text unless the user is typing.
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
    // The user is typing: the text is never replaced under the cursor.
    Q_PROPERTY(bool editing READ editing WRITE setEditing NOTIFY editingChanged)
    // The value given is not used: the program's other inputs determine the quantity.
    Q_PROPERTY(bool unused READ unused WRITE setUnused NOTIFY rulesChanged)
    // Counted by the group only while shown and enabled.
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY rulesChanged)
    // The field's name, for the group's message.
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY rulesChanged)
    Q_PROPERTY(JEX::NumberEntryGroup* group READ group WRITE setGroup NOTIFY rulesChanged)
    // The value is a duration in hours: durationText says it in hours and minutes.
    Q_PROPERTY(bool hours READ hours WRITE setHours NOTIFY rulesChanged)

    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(bool acceptable READ acceptable NOTIFY stateChanged)
    // The value the text reads as; NaN when it is not acceptable.
    Q_PROPERTY(double typedValue READ typedValue NOTIFY stateChanged)
    // The text says the value the program uses.
    Q_PROPERTY(bool inStep READ inStep NOTIFY stateChanged)
    // Why not, translated; empty while in step.
    Q_PROPERTY(QString problem READ problem NOTIFY stateChanged)
    // For hours, the typed value (else the program's) as "2 h 22 min", "25 min 30 s" or
    // "40 s"; empty for other fields and for nothing to say.
    Q_PROPERTY(QString durationText READ durationText NOTIFY stateChanged)

public:
    explicit NumberEntry(QObject* parent = nullptr);
    ~NumberEntry() override;

    // How a text reads in a locale, within [min, max], whole numbers only if integer.
    static NumberReading read(const QString& text, const QLocale& locale, bool integer, double min,
                              double max);
    // The shorter of the value to six decimals and its plain digits, with the locale's decimal
    // separator and no grouping; never an exponent.
    static QString format(double value, const QLocale& locale, bool integer);

    QString language() const { return language_; }
    void setLanguage(const QString& code);
    bool integer() const { return integer_; }
    void setInteger(bool on);
    double minValue() const { return min_; }
    void setMinValue(double v);
    double maxValue() const { return max_; }
    void setMaxValue(double v);
    double value() const { return value_; }
    void setValue(double v);
    bool editing() const { return editing_; }
    void setEditing(bool on);
    bool unused() const { return unused_; }
    void setUnused(bool on);
    bool active() const { return active_; }
    void setActive(bool on);
    QString label() const { return label_; }
    void setLabel(const QString& label);
    NumberEntryGroup* group() const { return group_; }
    void setGroup(NumberEntryGroup* group);
    bool hours() const { return hours_; }
    void setHours(bool on);
    QString durationText() const;
    // A positive number of hours as durationText says it.
    static QString duration(double hours);

    QString text() const { return text_; }
    bool acceptable() const { return reading_.ok; }
    double typedValue() const;
    bool inStep() const;
    QString problem() const;

    // The user changed the text; an acceptable value that differs from the program's is
    // offered with edited().
    Q_INVOKABLE void edit(const QString& text);
    // The value as this field writes it.
    Q_INVOKABLE QString format(double value) const;

signals:
    void languageChanged();
    void rulesChanged();
    void valueChanged();
    void editingChanged();
    void textChanged();
    void stateChanged();
    void edited(double value);

private:
    QLocale locale() const;
    void setText(const QString& text);
    void reread();

    QString language_ = QStringLiteral("en");
    bool integer_ = false;
    double min_ = 0;
    double max_ = 1e9;
    double value_ = 0;
    bool editing_ = false;
    bool unused_ = false;
    bool active_ = true;
    bool hours_ = false;
    QString label_;
    QPointer<NumberEntryGroup> group_;
    QString text_ = QStringLiteral("0");
    NumberReading reading_{true, 0, {}};
};

// The number fields of one page: whether every shown one says the value it stands for, and the
// first one that does not, with why.
class NumberEntryGroup : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool allInStep READ allInStep NOTIFY changed)
    // "Label: why", or "why" for a field without a label; empty when all are in step.
    Q_PROPERTY(QString problem READ problem NOTIFY changed)

public:
    using QObject::QObject;

    bool allInStep() const { return allInStep_; }
    QString problem() const { return problem_; }

    void add(NumberEntry* entry);
    void remove(NumberEntry* entry);
    void update();

signals:
    void changed();

private:
    QList<QPointer<NumberEntry>> entries_;
    bool allInStep_ = true;
    QString problem_;
};

} // namespace JEX
