#pragma once

#include <QString>

#include <optional>

namespace tessell {

class SettingsStore;

// The language of the windows. Japanese unless the user chose English in the
// options, which takes effect at the next start; TESSELL_LANG=en or =ja forces
// one for a run.
enum class UiLanguage { Japanese, English };

namespace UiLanguages {
// Key "language" of section "options" in data.dat, written "ja" or "en".
inline constexpr const char *Section = "options";
inline constexpr const char *Key = "language";

// "ja" or "en", as data.dat and TESSELL_LANG write them.
QString code(UiLanguage language);
// Letter case and blanks do not matter; nothing for any other text.
std::optional<UiLanguage> fromCode(const QString &code);

// The choice kept in the store; Japanese when none or an unknown one is kept.
UiLanguage stored(const SettingsStore &store);
// False when the store cannot be written.
bool store(SettingsStore &store, UiLanguage language);

// The language of this run: TESSELL_LANG when it names one, else the stored choice.
UiLanguage forRun(const SettingsStore &store);
// The language of tessell-cli: TESSELL_LANG when it names one, else Japanese
// when the user's locale is, else English.
UiLanguage forCommandLine();
} // namespace UiLanguages

} // namespace tessell
