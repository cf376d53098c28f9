#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace tessell {

// The help pages compiled into the program, and the one table that maps the
// topic numbers that F1 asks for onto them.
namespace HelpPages {

// The topic numbers the windows ask for; 0 (no topic) opens the contents.
enum Topic {
    Contents = 0,
    PaletteEditor = 3100,
    ImageScan = 3210,
    Print = 3380,
    CollectionPlan = 3400,
    Options = 4120
};

struct Page {
    QString file;  // e.g. "scan.html"
    QString title; // as the contents list shows it
};

// Every page in the order of the contents list; the contents page first.
QList<Page> pages();
// The file of a topic's page; no topic and an unknown one give the contents.
QString fileForTopic(int topic);
// The page's address inside the program, keeping any "#anchor"; throws
// tessell::Error "ファイル %s は開けません" when there is no such page.
QUrl resolve(const QString &page);

} // namespace HelpPages

// Makes F1 in `window` (and its children) ask for `topic` through `open`; the
// windows pass their host's showHelp, so every one reaches the one help window.
void bindHelpKey(QWidget *window, int topic, const std::function<void(int topic)> &open);

} // namespace tessell
