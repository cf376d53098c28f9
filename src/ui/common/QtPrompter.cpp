#include "ui/common/QtPrompter.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace tessell {

namespace {
QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Error: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole role(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Ok:
    case Prompter::Answer::Ignore: return QMessageBox::AcceptRole;
    case Prompter::Answer::Yes: return QMessageBox::YesRole;
    case Prompter::Answer::No: return QMessageBox::NoRole;
    case Prompter::Answer::Cancel: return QMessageBox::RejectRole;
    case Prompter::Answer::Abort: return QMessageBox::DestructiveRole;
    }
    return QMessageBox::AcceptRole;
}

// "*.*" means every file on Windows; elsewhere it would hide names without a dot.
QString nameFilters(const QList<Prompter::Filter> &filters)
{
    QStringList out;
    for (const Prompter::Filter &f : filters) {
        QStringList patterns = f.patterns;
        patterns.replaceInStrings(QStringLiteral("*.*"), QStringLiteral("*"));
        QString label = f.label;
        const int open = int(label.lastIndexOf(QLatin1Char('(')));
        if (open >= 0)
            label = label.left(open).trimmed() + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        else
            label += QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        out << label;
    }
    return out.join(QStringLiteral(";;"));
}
} // namespace

QString QtPrompter::startIn(const QString &folder)
{
    for (const QString &f : {folder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)})
        if (!f.isEmpty() && QFileInfo(f).isDir())
            return f;
    return QDir::homePath();
}

QString QtPrompter::buttonText(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return tr("OK");
    case Answer::Yes: return tr("はい(&Y)");
    case Answer::No: return tr("いいえ(&N)");
    case Answer::Cancel: return tr("キャンセル");
    case Answer::Abort: return tr("中止(&A)");
    case Answer::Ignore: return tr("無視(&I)");
    }
    return {};
}

void QtPrompter::message(QWidget *parent, const QString &caption, const QString &text, Icon icon)
{
    question(parent, caption, text, icon, {Answer::Ok});
}

Prompter::Answer QtPrompter::question(QWidget *parent, const QString &caption, const QString &text, Icon icon,
                                      const QList<Answer> &buttons)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::NoButton, parent);
    QList<QPair<QAbstractButton *, Answer>> made;
    for (Answer a : buttons) {
        QPushButton *b = box.addButton(buttonText(a), role(a));
        made.append({b, a});
    }
    if (!made.isEmpty())
        box.setDefaultButton(static_cast<QPushButton *>(made.first().first));
    // Closing the box counts as its cancel button, or as the only button.
    for (const auto &m : made)
        if (m.second == Answer::Cancel || made.size() == 1)
            box.setEscapeButton(m.first);
    box.exec();
    for (const auto &m : made)
        if (box.clickedButton() == m.first)
            return m.second;
    return made.size() == 1 ? made.first().second : Answer::Cancel;
}

QString QtPrompter::openFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                                 const QString &startFolder)
{
    return QFileDialog::getOpenFileName(parent, title, startIn(startFolder), nameFilters(filters));
}

QString QtPrompter::saveFileName(QWidget *parent, const QString &title, const QList<Filter> &filters,
                                 const QString &startFolder, int *chosenFilter)
{
    // The caller adds the extension and asks before overwriting, in its own words.
    const QString names = nameFilters(filters);
    QString selected;
    const QString path = QFileDialog::getSaveFileName(parent, title, startIn(startFolder), names, &selected,
                                                      QFileDialog::DontConfirmOverwrite);
    if (chosenFilter)
        *chosenFilter = qMax(0, int(names.split(QStringLiteral(";;")).indexOf(selected)));
    return path;
}

QString QtPrompter::chooseFolder(QWidget *parent, const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startIn(startFolder));
}

std::optional<QRgb> QtPrompter::chooseColour(QWidget *parent, QRgb initial)
{
    const QColor colour = QColorDialog::getColor(QColor(initial), parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour.rgb();
}

std::optional<int> QtPrompter::chooseItem(QWidget *parent, const QString &title, const QString &label,
                                          const QStringList &items)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, title, label, items, 0, false, &ok);
    if (!ok || items.isEmpty())
        return std::nullopt;
    return int(items.indexOf(chosen));
}

std::optional<QFont> QtPrompter::chooseFont(QWidget *parent, const QFont &initial, int maxPointSize)
{
    for (;;) {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        if (font.pointSize() <= maxPointSize)
            return font;
        // The rendered text is as many cells high as the size in points.
        message(parent, QCoreApplication::translate("tessell", "情報"),
                QCoreApplication::translate("tessell", "サイズは%1以下にしてください。").arg(maxPointSize),
                Icon::Information);
    }
}

bool QtPrompter::choosePrinter(QWidget *parent, QPrinter &printer, int pageCount)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        message(parent, tr("警告"), noPrinterText(), Icon::Warning);
        return false;
    }
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, qMax(1, pageCount));
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrompter::noPrinterText() { return tr("プリンタがインストールされていません。"); }

} // namespace tessell
