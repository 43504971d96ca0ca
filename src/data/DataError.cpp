#include "data/DataError.h"

#include "domain/MessageTexts.h"

namespace kelvora {

DataError::DataError(Kind kind, QString table, QString reason)
    : m_kind(kind)
    , m_table(std::move(table))
    , m_reason(std::move(reason))
    , m_what(
          (messageText() + QLatin1Char(' ') + m_table + QStringLiteral(": ") + m_reason).toUtf8())
{
}

QString DataError::messageText() const
{
    switch (m_kind) {
    case Kind::OpenFailed:
        return Msg::AberturaDeTabela;
    case Kind::WriteFailed:
        return Msg::GravandoNaTabela;
    case Kind::RowHeld:
        return Msg::RegistroJaAlocado;
    case Kind::BackupFailed:
        return Msg::ErroBackup;
    case Kind::RestoreFailed:
        return Msg::ErroRestore;
    case Kind::NotFound:
        return Msg::NenhumResultado;
    }
    return {};
}

} // namespace kelvora
