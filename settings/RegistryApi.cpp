#include "settings/RegistryApi.h"

namespace Profile {

RegistryApi& Registry()
{
    // A function-local object: usable from other objects' constructors and
    // destructors at any point of the program's life (it has no destructor).
    static RegistryApi api;
    return api;
}

} // namespace Profile
