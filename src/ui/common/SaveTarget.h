#pragma once

#include "ui/common/Prompter.h"

#include <optional>

namespace tessell {

// A file to save to, as the user chose it.
struct SaveTarget {
    QString path;
    int filter = 0; // the index of the filter chosen in the dialog
};

// Asks for the file to save to. A name without an extension gets the chosen
// filter's extension (defaultSuffix under a filter of every file); an existing
// file is only overwritten after "はい(&Y)", "いいえ(&N)" asks again. Nothing
// when the dialog is cancelled.
std::optional<SaveTarget> chooseSaveTarget(Prompter &prompter, QWidget *parent, const QString &title,
                                           const QList<Prompter::Filter> &filters,
                                           const QString &defaultSuffix,
                                           const QString &startFolder = QString());

} // namespace tessell
