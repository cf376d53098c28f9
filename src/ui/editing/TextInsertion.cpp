#include "ui/editing/TextInsertion.h"

#include "core/document/Design.h"
#include "core/editing/TextToCells.h"
#include "ui/common/Prompter.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/ToolHost.h"

#include <QLineEdit>

namespace tessell {

TextInsertion::TextInsertion(ToolHost &host, FloatingBlock &floating, SettingsStore &store,
                             Prompter &prompter, QWidget *window, QObject *parent)
    : QObject(parent), m_host(host), m_floating(floating), m_store(store), m_prompter(prompter),
      m_window(window)
{
}

void TextInsertion::open()
{
    m_host.processEvents();
    if (m_dialog)
        return;
    m_dialog = new TextDialog(m_store, m_window);
    connect(m_dialog, &TextDialog::textEdited, this, &TextInsertion::enterWord);
    connect(m_dialog, &TextDialog::fontRequested, this, &TextInsertion::chooseFont);
    m_dialog->show();
    // Typing goes straight into the text field.
    m_dialog->activateWindow();
    m_dialog->textField()->setFocus();
}

void TextInsertion::close()
{
    if (m_dialog)
        m_dialog->release();
    m_dialog = nullptr;
}

void TextInsertion::chooseFont()
{
    if (!m_dialog)
        return;
    const std::optional<QFont> font =
        m_prompter.chooseFont(m_dialog, m_dialog->chosenFont(), m_host.design().rows());
    if (!font || !m_dialog)
        return;
    m_dialog->setChosenFont(*font);
    enterWord();
}

void TextInsertion::enterWord()
{
    if (!m_dialog)
        return;
    const QFont font = m_dialog->chosenFont();
    // The size in points is taken as the height in cells.
    const int height = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    const BlockText block = TextToCells::enterWord(m_dialog->text(), font, height, m_host.currentNumber());
    if (m_floating.frame() == FloatingBlock::Frame::Text)
        m_floating.setBlock(block);
    else
        m_floating.show(FloatingBlock::Frame::Text, block, QPoint(0, 0));
    m_host.updateOverlay();
}

} // namespace tessell
