#pragma once

#include "data/Connection.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace kelvora::test {

// A station on the embedded default with years of records: students with photos,
// assessments in several tables, users with their password hashes, and rows in both
// companion stand-ins.
class EmbeddedStation {
public:
    EmbeddedStation();

    QString folder() const { return m_dir.path(); }
    // An open connection through the station's data-link file (Kelvora.udl, ...).
    std::unique_ptr<Connection> connect(const QString& role = Connection::Kelvora,
                                        const char* file = "Kelvora.udl") const;

    static QByteArray photo(int student); // every byte value, then the student's own bytes
    static QString number(int student);   // "0000000001", ...
    static constexpr int Students = 3;
    QString hashOf(const QString& code) const; // SENHA as stored

private:
    QTemporaryDir m_dir;
};

} // namespace kelvora::test
