#pragma once

#include "domain/bodycomp/FatTables.h"

namespace kelvora {

class Connection;

// The reference tables of body composition (`FaixaGordura`, `GorduraHomem`,
// `GorduraMulher`, `GorduraCrianca`), read in the order their rules scan them.
namespace BodyCompositionReference {

// From the database. Level bounds are texts, so their order is taken from their
// numeric values ("7" before "10", "6,01" before "10,01"), boys' rows before girls'.
// Throws OpenFailed naming the table that cannot be read.
bodycomp::FatTables load(const Connection& connection);

// The rows shipped with the program, as a new installation receives them.
bodycomp::FatTables installed();

} // namespace BodyCompositionReference
} // namespace kelvora
