#pragma once
// Bytes on the wire for tests: conversions between the byte vectors the console and the
// simulator use and Qt's byte arrays, a printable form for failure messages, and the
// requests a simulated controller received, read from its transcript or its JSON-lines file.

#include "Transcript.h"

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <concepts>
#include <cstdint>
#include <string_view>
#include <vector>

namespace JEX::Test {

inline std::vector<uint8_t> bytes(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}
template <typename T>
    requires std::same_as<T, QByteArray>
inline std::vector<uint8_t> bytes(const T& a) {
    return std::vector<uint8_t>(a.begin(), a.end());
}
inline QByteArray qbytes(const std::vector<uint8_t>& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

// Printable form: \r, \n and \xHH for everything unprintable.
inline QString show(const QByteArray& b) {
    QString out;
    for (unsigned char c : b) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c >= 0x20 && c < 0x7F)
            out += QChar(c);
        else
            out += QString("\\x%1").arg(unsigned(c), 2, 16, QChar('0')).toUpper();
    }
    return out;
}

// The requests the controller received and still keeps, in order; only those of one
// command letter when one is given.
inline QList<QByteArray> requestsOf(const Sim::Transcript& transcript, char letter = 0) {
    QList<QByteArray> out;
    for (const Sim::Exchange& e : letter ? transcript.entriesFor(letter) : transcript.entries())
        out.push_back(qbytes(e.request));
    return out;
}

// The exchanges a simulator process has written to its JSON-lines transcript so far.
inline QList<QJsonObject> transcriptFile(const QString& path) {
    QList<QJsonObject> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (const QJsonObject o = QJsonDocument::fromJson(line).object(); !o.isEmpty())
            out.push_back(o);
    return out;
}

} // namespace JEX::Test
