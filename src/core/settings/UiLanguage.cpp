#include "core/settings/UiLanguage.h"

#include "core/settings/SettingsStore.h"

#include <QLocale>

namespace tessell {

QString UiLanguages::code(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<UiLanguage> UiLanguages::fromCode(const QString &code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("ja"))
        return UiLanguage::Japanese;
    if (c == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

UiLanguage UiLanguages::stored(const SettingsStore &store)
{
    return fromCode(store.readString(QLatin1String(Section), QLatin1String(Key)))
        .value_or(UiLanguage::Japanese);
}

bool UiLanguages::store(SettingsStore &store, UiLanguage language)
{
    return store.writeString(QLatin1String(Section), QLatin1String(Key), code(language));
}

UiLanguage UiLanguages::forRun(const SettingsStore &store)
{
    if (const auto forced = fromCode(qEnvironmentVariable("TESSELL_LANG")))
        return *forced;
    return stored(store);
}

UiLanguage UiLanguages::forCommandLine()
{
    if (const auto forced = fromCode(qEnvironmentVariable("TESSELL_LANG")))
        return *forced;
    // The message languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), not the number format's.
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && QLocale(languages.first()).language() == QLocale::Japanese
               ? UiLanguage::Japanese
               : UiLanguage::English;
}

} // namespace tessell
