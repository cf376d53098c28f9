#pragma once

namespace tessell {

// The program's version, shown in the about box and by tessell-cli --version.
inline constexpr char kVersion[] = "0.1.0";

} // namespace tessell
