#pragma once

namespace tessell {

// The Japanese Windows font names the views ask for resolve to the IPA fonts.
namespace AppFonts {
void install();
} // namespace AppFonts

} // namespace tessell
