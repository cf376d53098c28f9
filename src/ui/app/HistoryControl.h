#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QToolButton;

namespace tessell {

// The history drop-down of the standard bar: a list of entry names, newest at
// the bottom, covered by a button of the same width that shows the current
// name and opens or closes the list.
class HistoryControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 97;

    explicit HistoryControl(QWidget *parent = nullptr);

    void setEntries(const QStringList &names, int current);
    QComboBox *list() const { return m_list; }
    QToolButton *button() const { return m_button; }
    QString shownName() const { return m_shown; }

    // The button's picture: the name centred on an 89 x 16 image.
    static QImage nameImage(const QString &name);

signals:
    // The user picked an entry from the list.
    void entryChosen(int index);

private:
    void toggleList();
    void listClosed();

    QComboBox *m_list;
    QToolButton *m_button;
    QString m_shown;
};

} // namespace tessell
