#pragma once

#include <QString>

namespace kelvora::PasswordHash {

// Passwords are kept as Argon2id hashes, never as typed.
QString hash(const QString& password);
bool verify(const QString& storedHash, const QString& password);
bool needsRehash(const QString& storedHash);

} // namespace kelvora::PasswordHash
