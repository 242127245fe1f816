#pragma once

class QLockFile;

#include <memory>

namespace strhaven {

// The per-user lock that refuses a second instance of the game. Empty when
// another instance of the same user holds it.
std::unique_ptr<QLockFile> lockSingleInstance();

} // namespace strhaven
