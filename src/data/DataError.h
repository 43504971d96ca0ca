#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace kelvora {

// Failures of the data layer. Screens catch them where a table is opened or written
// and show the matching message with the table's (or backup file's) name as detail.
class DataError : public std::exception {
public:
    enum class Kind {
        OpenFailed,    // a table or connection could not be opened or read
        WriteFailed,   // a write failed; its transaction was rolled back
        RowHeld,       // the row was changed, removed or taken by another station since it was read
        BackupFailed,  // a backup could not be written or did not check out; nothing was left
        RestoreFailed, // a backup was not put in place; the database is as it was
        NotFound,      // the row asked for does not exist (a student, an assessment)
    };

    DataError(Kind kind, QString table, QString reason);

    Kind kind() const { return m_kind; }
    QString table() const { return m_table; }
    QString reason() const { return m_reason; }

    // The message the user sees for this failure ("Abertura de tabela !", ...).
    QString messageText() const;

    const char* what() const noexcept override { return m_what.constData(); }

private:
    Kind m_kind;
    QString m_table;
    QString m_reason;
    QByteArray m_what;
};

class OpenFailed : public DataError {
public:
    OpenFailed(QString table, QString reason)
        : DataError(Kind::OpenFailed, std::move(table), std::move(reason))
    {
    }
};

class WriteFailed : public DataError {
public:
    WriteFailed(QString table, QString reason)
        : DataError(Kind::WriteFailed, std::move(table), std::move(reason))
    {
    }
};

class RowHeld : public DataError {
public:
    RowHeld(QString table, QString reason)
        : DataError(Kind::RowHeld, std::move(table), std::move(reason))
    {
    }
};

// `table` names what was looked for: the student table, or "Exame" for an assessment.
class NotFound : public DataError {
public:
    NotFound(QString table, QString reason)
        : DataError(Kind::NotFound, std::move(table), std::move(reason))
    {
    }
};

// `file` is the name of the backup that was to be written.
class BackupFailed : public DataError {
public:
    BackupFailed(QString file, QString reason)
        : DataError(Kind::BackupFailed, std::move(file), std::move(reason))
    {
    }
};

// `file` is the backup that was to be restored.
class RestoreFailed : public DataError {
public:
    RestoreFailed(QString file, QString reason)
        : DataError(Kind::RestoreFailed, std::move(file), std::move(reason))
    {
    }
};

// A configuration file (data-link file) that cannot be read or makes no sense.
// The message names the file and what is wrong with it.
class ConfigError : public std::exception {
public:
    explicit ConfigError(QString message)
        : m_message(std::move(message))
        , m_what(m_message.toUtf8())
    {
    }
    QString message() const { return m_message; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

} // namespace kelvora
