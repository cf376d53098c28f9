#include "ui/shell/AboutBox.h"

#include "core/Version.h"
#include "core/shell/ProgramIcon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessell {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr("バージョン情報"));
    setModal(true);

    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(programIcon(64)));
    icon->setAlignment(Qt::AlignTop);

    auto *name = new QLabel(QStringLiteral("Tessell"), this);
    QFont nameFont = name->font();
    nameFont.setPixelSize(24);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #2e5c8a"));
    auto *version = new QLabel(tr("バージョン %1").arg(QString::fromLatin1(kVersion)), this);
    auto *purpose = new QLabel(tr("色のついた小片を貼り合わせて作るモザイク壁画の図案を作り、"
                                  "クラスごとに分けて印刷するためのエディタです。"),
                               this);
    purpose->setWordWrap(true);
    auto *licence = new QLabel(tr("Tessell はフリーソフトウェアです。GNU General Public License "
                                  "バージョン3またはそれ以降の条件で、再配布や改変ができます。"),
                               this);
    licence->setWordWrap(true);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto *licences =
        new QLabel(tr("このプログラムは次のものを使っています。<br>"
                      "・Qt 6 ― GNU Lesser General Public License v3 (LGPLv3)<br>"
                      "・IPAフォント（IPAゴシック、IPAPゴシック） ― IPAフォントライセンス v1.0<br>"
                      "ライセンスの全文は、それぞれに添えられた文書にあります。"),
                   this);
    licences->setTextFormat(Qt::RichText);
    licences->setWordWrap(true);
    QFont small = licences->font();
    small.setPixelSize(11);
    licences->setFont(small);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(purpose);
    texts->addSpacing(4);
    texts->addWidget(licence);
    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(icon);
    top->addLayout(texts, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_ok);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addWidget(licences);
    layout->addSpacing(6);
    layout->addLayout(bottom);
    setFixedWidth(400);
    setFixedHeight(heightForWidth(400) > 0 ? heightForWidth(400) : sizeHint().height());
}

} // namespace tessell
