#include "data/DatabaseSize.h"

#include "data/Connection.h"

#include <cmath>

namespace kelvora {

int databaseSizeMb(const Connection& own)
{
    return static_cast<int>(std::floor(own.dialect().databaseSizeMb(own.database())));
}

SizeState classifySize(int mb, const SizeLimits& limits)
{
    if (mb < limits.nearMb)
        return SizeState::Fine;
    return mb <= limits.overMb ? SizeState::NearLimit : SizeState::OverLimit;
}

void shrinkDatabase(Connection& own)
{
    own.dialect().shrink(own.database());
}

} // namespace kelvora
