#pragma once

#include "ui/common/Prompter.h"

namespace tessell {

// The prompter that shows real Qt dialogs with the program's Japanese buttons.
class QtPrompter : public Prompter {
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
};

} // namespace tessell
