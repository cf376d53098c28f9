#pragma once

// Header only: the support library links the core alone, and only window
// tests include this.

#include "ui/common/Prompter.h"

#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QString>

namespace tessell::test {

// Answers dialogs from queues and records everything it was shown. A dialog
// that finds its queue empty is answered as cancelled and counted as
// unexpected, so a test can tell a missing answer from a wanted cancel.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Question, OpenFile, SaveFile, Font, Folder, Colour, Item, Printer };
    struct Shown {
        Kind kind;
        QString caption;
        QString text;
        Icon icon = Icon::None;
        QList<Answer> buttons;
        QList<Filter> filters;
        QString startFolder = {};
    };

    QQueue<Answer> answers;
    QQueue<QString> fileNames; // an empty name cancels the dialog
    QQueue<int> chosenFilters; // the filter each save dialog reports (the first when empty)
    QQueue<std::optional<QFont>> fonts; // nothing cancels the font dialog
    QQueue<QString> folders;              // an empty name cancels the folder chooser
    QQueue<std::optional<QRgb>> colours;  // nothing cancels the colour chooser
    QQueue<std::optional<int>> items;     // nothing cancels the list
    QQueue<std::optional<QString>> printers; // the printer's name; nothing cancels the print dialog
    int lastPageCount = 0;                // the pages the last print dialog offered
    QList<QRgb> colourStarts;             // the colour each colour chooser started at
    QList<QFont> fontStarts;              // the font each font dialog started at
    QStringList lastItems;
    int lastMaxFontSize = 0;
    QList<Shown> shown;
    int unexpected = 0;

    void message(QWidget *, const QString &caption, const QString &text, Icon icon) override
    {
        shown.append({Kind::Message, caption, text, icon, {Answer::Ok}, {}});
    }
    Answer question(QWidget *, const QString &caption, const QString &text, Icon icon,
                    const QList<Answer> &buttons) override
    {
        shown.append({Kind::Question, caption, text, icon, buttons, {}});
        if (answers.isEmpty()) {
            ++unexpected;
            return Answer::Cancel;
        }
        return answers.dequeue();
    }
    QString openFileName(QWidget *, const QString &title, const QList<Filter> &filters,
                         const QString &startFolder = QString()) override
    {
        return nextFile(Kind::OpenFile, title, filters, startFolder);
    }
    QString saveFileName(QWidget *, const QString &title, const QList<Filter> &filters,
                         const QString &startFolder = QString(), int *chosenFilter = nullptr) override
    {
        if (chosenFilter)
            *chosenFilter = chosenFilters.isEmpty() ? 0 : chosenFilters.dequeue();
        return nextFile(Kind::SaveFile, title, filters, startFolder);
    }

    std::optional<QFont> chooseFont(QWidget *, const QFont &initial, int maxPointSize) override
    {
        shown.append({Kind::Font, initial.family(), initial.family(), Icon::None, {}, {}});
        lastMaxFontSize = maxPointSize;
        fontStarts << initial;
        if (fonts.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return fonts.dequeue();
    }

    QString chooseFolder(QWidget *, const QString &title, const QString &startFolder = QString()) override
    {
        shown.append({Kind::Folder, title, title, Icon::None, {}, {}, startFolder});
        if (folders.isEmpty()) {
            ++unexpected;
            return {};
        }
        return folders.dequeue();
    }
    std::optional<QRgb> chooseColour(QWidget *, QRgb initial) override
    {
        shown.append({Kind::Colour, QString(), QString(), Icon::None, {}, {}});
        colourStarts << initial;
        if (colours.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return colours.dequeue();
    }
    std::optional<int> chooseItem(QWidget *, const QString &title, const QString &label,
                                  const QStringList &choices) override
    {
        shown.append({Kind::Item, title, label, Icon::None, {}, {}});
        lastItems = choices;
        if (items.isEmpty()) {
            ++unexpected;
            return std::nullopt;
        }
        return items.dequeue();
    }

    bool choosePrinter(QWidget *, QPrinter &printer, int pageCount) override
    {
        shown.append({Kind::Printer, QString(), QString(), Icon::None, {}, {}});
        lastPageCount = pageCount;
        if (printers.isEmpty()) {
            ++unexpected;
            return false;
        }
        const std::optional<QString> name = printers.dequeue();
        if (!name)
            return false;
        printer.setPrinterName(*name);
        return true;
    }

    QStringList texts() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out << s.text;
        return out;
    }
    QStringList texts(Kind kind) const
    {
        QStringList out;
        for (const Shown &s : shown)
            if (s.kind == kind)
                out << s.text;
        return out;
    }

private:
    QString nextFile(Kind kind, const QString &title, const QList<Filter> &filters, const QString &startFolder)
    {
        shown.append({kind, title, title, Icon::None, {}, filters, startFolder});
        if (fileNames.isEmpty()) {
            ++unexpected;
            return {};
        }
        return fileNames.dequeue();
    }
};

} // namespace tessell::test
