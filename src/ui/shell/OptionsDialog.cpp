#include "ui/shell/OptionsDialog.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UiLanguage.h"
#include "core/shell/FileAssociation.h"
#include "ui/common/AppFonts.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/WindowPlaces.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessell {

OptionsDialog::OptionsDialog(CommandHost &host, FileAssociation &association,
                             std::function<void()> resetToolBars, QWidget *parent)
    : QDialog(parent, Qt::Dialog | TitleAndCloseHints), m_host(host), m_association(association),
      m_resetToolBars(std::move(resetToolBars))
{
    setWindowTitle(tr("オプション"));
    setModal(true);
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
    QGroupBox *language = languageGroup();
    layout->addWidget(language);
    layout->addStretch(1);
    layout->addLayout(bottom);

    // The file and tool-bar groups keep the 241 x 144 they always had; the
    // language group adds its own height below them, and longer texts than the
    // Japanese ones widen the window instead of being cut off.
    const QSize hint = sizeHint();
    setFixedSize(qMax(241, hint.width()),
                 qMax(144 + language->sizeHint().height() + layout->spacing(), hint.height()));

    bindHelpKey(this, HelpPages::Options, [this](int topic) { m_host.showHelp(topic); });
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

QGroupBox *OptionsDialog::languageGroup()
{
    auto *group = new QGroupBox(tr("言語"), this);
    auto *l = new QVBoxLayout(group);
    l->setContentsMargins(8, 2, 8, 4);
    l->setSpacing(2);
    auto *choices = new QHBoxLayout;
    // Each language is named in itself, whatever the windows speak.
    m_japanese = new QRadioButton(QStringLiteral("日本語"), group);
    m_japanese->setObjectName(QStringLiteral("japaneseButton"));
    m_english = new QRadioButton(QStringLiteral("English"), group);
    m_english->setObjectName(QStringLiteral("englishButton"));
    (UiLanguages::stored(m_host.settings()) == UiLanguage::English ? m_english : m_japanese)
        ->setChecked(true);
    connect(m_japanese, &QRadioButton::clicked, this, &OptionsDialog::chooseLanguage);
    connect(m_english, &QRadioButton::clicked, this, &OptionsDialog::chooseLanguage);
    choices->addWidget(m_japanese);
    choices->addWidget(m_english);
    choices->addStretch(1);
    l->addLayout(choices);
    auto *note = new QLabel(tr("次回の起動から有効になります。"), group);
    note->setObjectName(QStringLiteral("languageNote"));
    l->addWidget(note);
    return group;
}

void OptionsDialog::chooseLanguage()
{
    const UiLanguage chosen = m_english->isChecked() ? UiLanguage::English : UiLanguage::Japanese;
    if (UiLanguages::stored(m_host.settings()) == chosen)
        return;
    // A choice that could not be kept is shown and taken back on the buttons.
    SettingsStore &store = m_host.settings();
    const auto keep = [&] {
        if (!UiLanguages::store(store, chosen))
            throw Error(texts::cannotCreate(store.path()));
    };
    if (!m_host.run(keep, this))
        (chosen == UiLanguage::English ? m_japanese : m_english)->setChecked(true);
}

void OptionsDialog::switchAssociation(bool on)
{
    // A change that failed is undone on the box, so it shows what was set and a
    // second click tries again.
    if (!m_host.run([&] { m_association.setOn(on); }, this)) {
        const QSignalBlocker blocker(m_associate);
        m_associate->setChecked(!on);
    }
}

void OptionsDialog::done(int result)
{
    QDialog::done(result);
    if (!m_reset->isEnabled() && m_resetToolBars)
        m_resetToolBars();
}

} // namespace tessell
