#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace tessell {

// Every message box and file dialog of the program goes through this, so that
// tests can answer them.
class Prompter {
public:
    enum class Answer { Ok, Yes, No, Cancel, Abort, Ignore };
    enum class Icon { None, Information, Warning, Error, Question };

    // One file-dialog filter: the text shown and the patterns it stands for.
    struct Filter {
        QString label;
        QStringList patterns;
    };

    virtual ~Prompter() = default;

    // A message with one OK button.
    virtual void message(QWidget *parent, const QString &caption, const QString &text, Icon icon) = 0;
    // A question with the given buttons; closing the box answers Cancel.
    virtual Answer question(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                            const QList<Answer> &buttons) = 0;
    // The chosen path, or empty when the dialog was cancelled. The dialog opens
    // in startFolder (the user's documents folder when empty).
    virtual QString openFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                                 const QString &startFolder = QString()) = 0;
    // The chosen path as typed (no extension added, no overwrite question), or
    // empty. chosenFilter, when given, receives the index of the filter the
    // user had chosen.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                                 const QString &startFolder = QString(), int *chosenFilter = nullptr) = 0;
    // The chosen font, or nothing when cancelled; sizes above maxPointSize are not offered.
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &initial, int maxPointSize) = 0;
    // The chosen folder, or empty when cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &startFolder = QString()) = 0;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QRgb> chooseColour(QWidget *parent, QRgb initial) = 0;
    // One of the items (its index), or nothing when cancelled.
    virtual std::optional<int> chooseItem(QWidget *parent, const QString &title, const QString &label,
                                          const QStringList &items) = 0;
    // The system print dialog for the printer, one copy preset and the pages
    // 1..pageCount offered as a range (which the caller need not follow). False
    // when cancelled, or when no printer is installed (after saying so).
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount) = 0;
};

} // namespace tessell
