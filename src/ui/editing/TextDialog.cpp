#include "ui/editing/TextDialog.h"

#include "ui/common/AppFonts.h"
#include "ui/common/WindowPlaces.h"
#include "core/settings/SettingsStore.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

namespace tessell {

namespace {
const char *kSection = "text";
}

TextDialog::TextDialog(SettingsStore &store, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_store(store)
{
    setWindowTitle(tr("文字入れ"));
    setFixedSize(260, 33);
    m_text = new QLineEdit(this);
    m_text->setGeometry(6, 5, 161, 23);
    m_fontButton = new QPushButton(tr("フォント(&F)"), this);
    m_fontButton->setGeometry(174, 4, 80, 25);
    m_font = initialFont();
    m_text->setFont(QFont(m_font.family(), 9));
    const QPoint place = placeBeside(parent, QPoint(520, 600));
    move(store.readInteger(kSection, QStringLiteral("left"), place.x()),
         store.readInteger(kSection, QStringLiteral("top"), place.y()));
    connect(m_text, &QLineEdit::textChanged, this, &TextDialog::textEdited);
    connect(m_fontButton, &QPushButton::clicked, this, &TextDialog::fontRequested);
}

QFont TextDialog::initialFont()
{
    // 12 pixels at 96 dots per inch: 9 points, and so 9 cells high. Named by
    // its stand-in, which the font dialog lists; it renders the same.
    return AppFonts::standIn(AppFonts::fixed(9));
}

QString TextDialog::text() const { return m_text->text(); }

void TextDialog::setChosenFont(const QFont &font)
{
    m_font = font;
    // The field takes the face and style, not the size.
    QFont shown = font;
    shown.setPointSize(9);
    m_text->setFont(shown);
}

void TextDialog::release()
{
    m_store.writeInteger(kSection, QStringLiteral("left"), pos().x());
    m_store.writeInteger(kSection, QStringLiteral("top"), pos().y());
    m_releasing = true;
    close();
    deleteLater();
}

void TextDialog::closeEvent(QCloseEvent *event)
{
    if (m_releasing)
        event->accept();
    else
        event->ignore();
}

} // namespace tessell
