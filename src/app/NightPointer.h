#pragma once
// The mouse pointer at night: a red arrow over every window of the console, so that the
// desktop's white pointer does not undo the eyes' adaptation to the dark.

#include <QObject>

namespace JEX {

class NightPointer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool red READ red WRITE setRed NOTIFY redChanged)
public:
    NightPointer() = default;
    ~NightPointer() override;

    bool red() const { return red_; }
    void setRed(bool red);

signals:
    void redChanged();

private:
    bool red_ = false;
};

} // namespace JEX
