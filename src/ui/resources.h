#pragma once

namespace amorisk {

// Registers the pictures and icons compiled into the static library; a
// library's resources are not registered unless something asks for them.
void initResources();

} // namespace amorisk
