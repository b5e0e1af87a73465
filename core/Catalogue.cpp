#include "Catalogue.h"

namespace dorvanta {

TPartNumbers PartNumbers;

} // namespace dorvanta
