#pragma once

namespace kelvora {

class Connection;

// Where the program starts warning about the size of its own database, and past
// which it purges the oldest year of assessments.
struct SizeLimits {
    int nearMb = 1750;
    int overMb = 1800;
};

enum class SizeState {
    Fine,      // below near
    NearLimit, // from near up to over, both included
    OverLimit, // above over
};

// The size in whole megabytes (the digits before the decimal point). Throws OpenFailed.
int databaseSizeMb(const Connection& own);

SizeState classifySize(int mb, const SizeLimits& limits);

// Gives the space of deleted rows back to the disk. Throws WriteFailed.
void shrinkDatabase(Connection& own);

} // namespace kelvora
