#include "ui/common/SaveTarget.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tessell {

namespace {
// The extension a filter stands for: "bmp" for "*.bmp", nothing for "*.*".
QString suffixOf(const Prompter::Filter &filter)
{
    const QString first = filter.patterns.value(0);
    const QString suffix = first.mid(2);
    if (!first.startsWith(QLatin1String("*.")) || suffix.contains(QLatin1Char('*')))
        return {};
    return suffix;
}
} // namespace

std::optional<SaveTarget> chooseSaveTarget(Prompter &prompter, QWidget *parent, const QString &title,
                                           const QList<Prompter::Filter> &filters,
                                           const QString &defaultSuffix, const QString &startFolder)
{
    for (;;) {
        SaveTarget target;
        target.path = prompter.saveFileName(parent, title, filters, startFolder, &target.filter);
        if (target.path.isEmpty())
            return std::nullopt;
        if (QFileInfo(target.path).suffix().isEmpty()) {
            const QString suffix = suffixOf(filters.value(target.filter));
            target.path += QLatin1Char('.') + (suffix.isEmpty() ? defaultSuffix : suffix);
        }
        if (!QFileInfo::exists(target.path))
            return target;
        const auto answer = prompter.question(
            parent, title,
            QCoreApplication::translate("tessell", "%1 は既に存在します。\n上書きしますか？")
                .arg(target.path),
            Prompter::Icon::Warning, {Prompter::Answer::Yes, Prompter::Answer::No});
        if (answer == Prompter::Answer::Yes)
            return target;
    }
}

} // namespace tessell
