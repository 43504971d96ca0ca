#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace kelvora {

class SettingsEdit;

// The rules every change of the settings row obeys, whether it comes from the
// configuration screens or from `kelvora-cli config set`.
namespace SettingsRules {

// Why a change is refused: the message, its detail, and the column at fault.
struct Refusal {
    QString text;
    QString detail;
    QString column;
};

inline const QString MedicalPeriod = QStringLiteral("PRAZOAVALMED");
inline const QString FunctionalPeriod = QStringLiteral("TEMPO_REAVALIACAO");
inline const QString RegisterMode = QStringLiteral("PATH_AVALIA");

// The TLS modes the mail client knows, by the names stored in `IdSMTP_UseTLS`.
const QStringList& tlsModes();

// The re-assessment periods follow the register mode. With the own register ("Sim")
// each must be 1 to 12 months, the medical one checked first; in companion mode the
// companion database supplies them, so both become 0 in `edit`.
std::optional<Refusal> applyRegisterMode(SettingsEdit& edit);

// A value typed for `column` (the command line), as it is stored; or why it is refused.
struct Parsed {
    QVariant value;
    QString problem; // empty when the value is accepted
};
Parsed parse(const QString& column, const QString& text);

// The settings a user edits (configuration screens and command line), in schema spelling.
QStringList editableColumns();

} // namespace SettingsRules
} // namespace kelvora
