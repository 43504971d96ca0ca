#pragma once

#include <QString>

namespace kelvora {

// The master user's reserved code. Its record can only be changed by the master
// and never deleted.
inline const QString MasterUserCode = QStringLiteral("00");

// A password is exactly six characters, upper case, without blanks.
inline bool isValidPassword(const QString& password)
{
    if (password.size() != 6 || password != password.toUpper())
        return false;
    for (const QChar c : password)
        if (c.isSpace() || !c.isPrint())
            return false;
    return true;
}

// A user code is two digits; one typed digit gets a leading "0".
inline QString padUserCode(const QString& typed)
{
    const QString code = typed.trimmed();
    return code.size() == 1 ? QLatin1Char('0') + code : code;
}

inline bool isValidUserCode(const QString& code)
{
    return code.size() == 2 && code.at(0).isDigit() && code.at(1).isDigit();
}

// Only the master changes the master's record or rights.
inline bool mayChangeUser(const QString& user, const QString& loggedIn)
{
    return user != MasterUserCode || loggedIn == MasterUserCode;
}

// Nobody deletes the master, nor himself.
inline bool mayDeleteUser(const QString& user, const QString& loggedIn)
{
    return user != MasterUserCode && user != loggedIn;
}

} // namespace kelvora
