#include "ui/shell/WelcomeWindow.h"

#include "core/shell/FileAssociation.h"
#include "ui/common/AppFonts.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/WindowPlaces.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tessell {

WelcomeWindow::WelcomeWindow(CommandRunner &runner, FileAssociation &association, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | TitleAndCloseHints), m_runner(runner),
      m_association(association)
{
    setWindowTitle(tr("ようこそ"));
    setModal(true);
    setFixedSize(400, 159);
    const QFont base = AppFonts::ui(12);
    setFont(base);

    auto *heading = new QLabel(tr("%1　へようこそ").arg(QStringLiteral("Tessell")), this);
    QFont hf = base;
    hf.setBold(true);
    hf.setPixelSize(14);
    heading->setFont(hf);
    auto *thanks = new QLabel(tr("この度はTessellをダウンロードしていただきありがとうございます。"), this);

    auto *box = new QGroupBox(this);
    auto *boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(8, 4, 8, 4);
    auto *texts = new QVBoxLayout;
    texts->addWidget(new QLabel(tr("tslファイルを関連付けしますか？"), box));
    texts->addWidget(new QLabel(tr("この設定は[ツール]-[オプション]からも変更できます。"), box));
    boxLayout->addLayout(texts, 1);
    m_associate = new QPushButton(tr("関連付け"), box);
    m_associate->setObjectName(QStringLiteral("associateButton"));
    connect(m_associate, &QPushButton::clicked, this, &WelcomeWindow::associate);
    boxLayout->addWidget(m_associate);

    auto *note = new QLabel(tr("次回からはこのウィンドウは表示されません。"), this);
    QFont nf = base;
    nf.setPixelSize(10);
    note->setFont(nf);
    m_close = new QPushButton(tr("閉じる"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(3);
    layout->addWidget(heading);
    layout->addWidget(thanks);
    layout->addWidget(box);
    layout->addLayout(bottom);

    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void WelcomeWindow::open(CommandRunner &runner, QWidget *parent)
{
    FileAssociation association;
    WelcomeWindow welcome(runner, association, parent);
    welcome.exec();
}

void WelcomeWindow::associate()
{
    // Offered once: the button goes grey whether writing worked or not.
    m_runner.run(this, [this] { m_association.associate(); });
    m_associate->setEnabled(false);
}

} // namespace tessell
