#include "data/PasswordHash.h"

#include <sodium.h>

#include <stdexcept>

namespace kelvora::PasswordHash {

namespace {
void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium could not be initialised");
}

// Interactive limits: the login answers in a fraction of a second.
constexpr unsigned long long OpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr size_t MemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;
} // namespace

QString hash(const QString& password)
{
    ensureSodium();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          OpsLimit, MemLimit) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool verify(const QString& storedHash, const QString& password)
{
    ensureSodium();
    const QByteArray stored = storedHash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    return !stored.isEmpty() &&
           crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool needsRehash(const QString& storedHash)
{
    ensureSodium();
    const QByteArray stored = storedHash.toLatin1();
    return crypto_pwhash_str_needs_rehash(stored.constData(), OpsLimit, MemLimit) != 0;
}

} // namespace kelvora::PasswordHash
