#include "ui/shell/OptionsDialog.h"

#include "core/shell/FileAssociation.h"
#include "ui/common/AppFonts.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/WindowPlaces.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/HelpWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessell {

OptionsDialog::OptionsDialog(CommandRunner &runner, FileAssociation &association, const Actions &actions,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | TitleAndCloseHints), m_runner(runner), m_association(association),
      m_actions(actions)
{
    setWindowTitle(tr("オプション"));
    setModal(true);
    setFixedSize(241, 144);
    setFont(AppFonts::ui(12));

    m_close = new QPushButton(tr("閉じる(&C)"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_close);

    // One group a setting, top to bottom.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(fileGroup());
    layout->addWidget(toolBarGroup());
    layout->addStretch(1);
    layout->addLayout(bottom);

    if (m_actions.showHelp)
        bindHelpKey(this, HelpPages::Options, m_actions.showHelp);
}

QGroupBox *OptionsDialog::fileGroup()
{
    auto *group = new QGroupBox(tr("ファイル"), this);
    auto *l = new QVBoxLayout(group);
    l->setContentsMargins(8, 2, 8, 4);
    m_associate = new QCheckBox(tr("tslファイルを関連付けする"), group);
    m_associate->setObjectName(QStringLiteral("associationBox"));
    // Read once at opening: on only when the association names this program.
    m_associate->setChecked(m_association.isOn());
    connect(m_associate, &QCheckBox::clicked, this, &OptionsDialog::switchAssociation);
    l->addWidget(m_associate);
    return group;
}

QGroupBox *OptionsDialog::toolBarGroup()
{
    auto *group = new QGroupBox(tr("ツールバー"), this);
    auto *l = new QHBoxLayout(group);
    l->setContentsMargins(8, 2, 8, 4);
    m_reset = new QPushButton(tr("位置を初期化"), group);
    m_reset->setObjectName(QStringLiteral("resetButton"));
    // The reset itself waits for the window to close.
    connect(m_reset, &QPushButton::clicked, m_reset, [this] { m_reset->setEnabled(false); });
    l->addWidget(m_reset);
    l->addStretch(1);
    return group;
}

void OptionsDialog::switchAssociation(bool on)
{
    // A change that failed is undone on the box, so it shows what was set and a
    // second click tries again.
    if (!m_runner.run(this, [&] { m_association.setOn(on); })) {
        const QSignalBlocker blocker(m_associate);
        m_associate->setChecked(!on);
    }
}

void OptionsDialog::done(int result)
{
    QDialog::done(result);
    if (!m_reset->isEnabled() && m_actions.resetToolBars)
        m_actions.resetToolBars();
}

} // namespace tessell
