#pragma once

#include "ui/common/Prompter.h"

#include <QCoreApplication>

namespace tessell {

// The prompter that shows real Qt dialogs with the program's own button texts.
class QtPrompter : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(tessell::QtPrompter)

public:
    void message(QWidget *parent, const QString &caption, const QString &text, Icon icon) override;
    Answer question(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                    const QList<Answer> &buttons) override;
    QString openFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                         const QString &startFolder = QString()) override;
    QString saveFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                         const QString &startFolder = QString(), int *chosenFilter = nullptr) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder = QString()) override;
    std::optional<QRgb> chooseColour(QWidget *parent, QRgb initial) override;
    std::optional<int> chooseItem(QWidget *parent, const QString &title, const QString &label,
                                  const QStringList &items) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial, int maxPointSize) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount) override;

    static QString buttonText(Answer answer);
    // The warning when the system has no printer to offer.
    static QString noPrinterText();
    // Where a file or folder dialog opens: folder when it exists, else the
    // documents folder when that exists, else home. A missing folder would
    // otherwise be offered as a file name.
    static QString startIn(const QString &folder);
};

} // namespace tessell
