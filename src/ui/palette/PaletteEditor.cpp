#include "ui/palette/PaletteEditor.h"

#include "core/document/CellGrid.h"
#include "core/document/Design.h"
#include "core/palette/ColourStrip.h"
#include "core/palette/PaletteEdit.h"
#include "core/palette/PaletteFiles.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/Prompter.h"
#include "ui/common/WindowPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QValidator>

#include <functional>

namespace tessell {

namespace {
constexpr int kSwatchSize = 41;
constexpr int kListRows = 8;
constexpr int kListRowHeight = 15;

// The folder of the last settings file chosen, for the next file chooser of
// this run.
QString &lastSettingsFolder()
{
    static QString folder;
    return folder;
}

// An area that paints itself and takes a press of any mouse button.
class PressArea : public QWidget {
public:
    using Paint = std::function<void(QPainter &, const QRect &)>;
    using Press = std::function<void(const QPoint &)>;

    PressArea(QWidget *parent, const QRect &geometry, Paint paint, Press press)
        : QWidget(parent), m_paint(std::move(paint)), m_press(std::move(press))
    {
        setGeometry(geometry);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        m_paint(p, rect());
    }
    void mousePressEvent(QMouseEvent *event) override { m_press(event->position().toPoint()); }

private:
    Paint m_paint;
    Press m_press;
};

QGroupBox *group(const QString &title, const QRect &geometry, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setGeometry(geometry);
    return box;
}

QPushButton *button(const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    // Enter in the name field must not press a button.
    b->setAutoDefault(false);
    return b;
}

QToolButton *arrow(Qt::ArrowType type, const QRect &geometry, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setArrowType(type);
    b->setGeometry(geometry);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// A name as the design file will hold it, while it is typed or pasted.
class StorableName : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        input = PaletteEntry::storableName(input);
        pos = qMin(pos, int(input.size()));
        return Acceptable;
    }
};
} // namespace

PaletteEditor::PaletteEditor(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | TitleAndCloseHints), m_host(host)
{
    setWindowTitle(tr("パレットエディタ"));
    setModal(true);
    setFixedSize(409, 311);

    auto *previewBox = group(tr("プレビュー"), QRect(8, 4, 57, 52), this);
    m_preview = new PressArea(
        previewBox, QRect(26, 26, PaletteEntry::TileWidth, PaletteEntry::TileHeight),
        [this](QPainter &p, const QRect &) { p.drawImage(0, 0, entry().tileImage()); }, [](const QPoint &) {});

    auto *nameBox = group(tr("表示名"), QRect(72, 4, 153, 52), this);
    m_number = new QLabel(nameBox);
    m_number->setGeometry(8, 24, 20, 16);
    m_name = new QLineEdit(nameBox);
    m_name->setGeometry(28, 21, 117, 21);
    m_name->setValidator(new StorableName(m_name));

    for (int k = 0; k < PaletteEntry::PixelCount; ++k) {
        const QRect place(24 + 40 * (k % 5), 64 + 40 * (k / 5), kSwatchSize, kSwatchSize);
        m_swatches[k] = new PressArea(
            this, place,
            [this, k](QPainter &p, const QRect &r) {
                p.setPen(Qt::black);
                p.setBrush(QColor(entry().pixel(k % 5, k / 5)));
                p.drawRect(r.adjusted(0, 0, -1, -1));
            },
            [this, k](const QPoint &) { paintSwatch(k); });
    }

    auto *colourLabel = new QLabel(tr("色"), this);
    // Ends where the swatch begins; a wider word of another language grows leftwards.
    const int labelWidth = qMax(14, colourLabel->sizeHint().width());
    colourLabel->setGeometry(22 - labelWidth, 246, labelWidth, 16);
    m_colourSwatch = new PressArea(
        this, QRect(24, 242, 25, 25),
        [this](QPainter &p, const QRect &r) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::black);
            p.setBrush(QColor(m_current));
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        },
        [this](const QPoint &) { chooseColour(); });
    auto *stripFrame = new QFrame(this);
    stripFrame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    stripFrame->setGeometry(56, 243, ColourStrip::Width + 4, ColourStrip::Height + 4);
    const QImage strip = ColourStrip::image();
    m_strip = new PressArea(
        stripFrame, QRect(2, 2, ColourStrip::Width, ColourStrip::Height),
        [strip](QPainter &p, const QRect &) { p.drawImage(0, 0, strip); },
        [this](const QPoint &at) {
            if (const std::optional<QRgb> colour = ColourStrip::colourAt(at))
                setCurrentColour(*colour);
        });

    // Under the colour and its strip: a colour typed as #RRGGBB, and the whole
    // tile in the current colour at one click. Both keep to the tile's column,
    // clear of the groups on the right, also in English.
    m_colourField = new QLineEdit(this);
    m_colourField->setGeometry(24, 278, 72, 22);
    m_colourField->setMaxLength(7);
    m_colourField->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{0,6}")), m_colourField));
    m_colourField->setToolTip(tr("色 (#RRGGBB)"));
    m_colourField->setText(PaletteEdit::colourText(m_current));
    m_fill = button(tr("タイルを塗りつぶす"), QRect(102, 277, 0, 24), this);
    m_fill->resize(qBound(100, m_fill->sizeHint().width(), 224 - 102), 24);

    auto *listBox = group(tr("パレットリスト"), QRect(236, 4, 165, 153), this);
    const int listHeight = kListRows * kListRowHeight + 4;
    m_list = new QListWidget(listBox);
    m_list->setGeometry(8, 20, 132, listHeight);
    // Two columns of eight, filled top to bottom like the palette numbers.
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setUniformItemSizes(true);
    m_list->setGridSize(QSize((132 - 4) / 2, kListRowHeight));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    m_upper = arrow(Qt::UpArrow, QRect(141, 20, 17, listHeight / 2), listBox);
    m_lower = arrow(Qt::DownArrow, QRect(141, 20 + listHeight / 2, 17, listHeight - listHeight / 2), listBox);

    auto *operationBox = group(tr("操作"), QRect(236, 163, 165, 110), this);
    m_open = button(tr("設定を開く(&S)"), QRect(8, 20, 149, 24), operationBox);
    m_autoCreate = button(tr("自動作成(&A)"), QRect(8, 48, 149, 24), operationBox);
    m_close = button(tr("閉じる(&C)"), QRect(8, 76, 149, 24), operationBox);

    connect(m_name, &QLineEdit::textChanged, this, &PaletteEditor::rename);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing && row >= 0)
            showEntry(row);
    });
    connect(m_colourField, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (const std::optional<QRgb> colour = PaletteEdit::parseColour(text))
            setCurrentColour(*colour);
    });
    // A colour left half typed gives way to the current one.
    connect(m_colourField, &QLineEdit::editingFinished, this,
            [this] { m_colourField->setText(PaletteEdit::colourText(m_current)); });
    connect(m_fill, &QPushButton::clicked, this, &PaletteEditor::fillTile);
    connect(m_upper, &QToolButton::clicked, this, [this] { moveByArrow(-1); });
    connect(m_lower, &QToolButton::clicked, this, [this] { moveByArrow(1); });
    connect(m_open, &QPushButton::clicked, this, &PaletteEditor::openSettings);
    connect(m_autoCreate, &QPushButton::clicked, this, &PaletteEditor::autoCreate);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    bindHelpKey(this, HelpPages::PaletteEditor, [this](int topic) { m_host.showHelp(topic); });

    fillList();
    showEntry(0);
    m_name->setFocus();
}

const PaletteEntry &PaletteEditor::entry() const { return m_host.design().entry(m_selected); }

void PaletteEditor::setPalette(const Palette &palette) { m_host.design().setPalette(palette); }

void PaletteEditor::fillList()
{
    const bool showing = m_showing;
    m_showing = true;
    m_list->clear();
    for (const PaletteEntry &e : m_host.design().palette())
        m_list->addItem(e.name());
    m_showing = showing;
}

void PaletteEditor::showEntry(int number)
{
    m_selected = number;
    m_showing = true;
    m_list->setCurrentRow(number);
    m_number->setText(CellGrid::digit(number) + QLatin1Char(':'));
    m_name->setText(entry().name());
    m_showing = false;
    m_preview->update();
    for (QWidget *s : m_swatches)
        s->update();
}

void PaletteEditor::paintSwatch(int k)
{
    Palette palette = m_host.design().palette();
    PaletteEdit::paintPixel(palette, m_selected, k, m_current);
    setPalette(palette);
    m_swatches[k]->update();
    m_preview->update();
}

void PaletteEditor::fillTile()
{
    Palette palette = m_host.design().palette();
    palette[m_selected].fill(m_current);
    setPalette(palette);
    for (QWidget *s : m_swatches)
        s->update();
    m_preview->update();
}

void PaletteEditor::setCurrentColour(QRgb colour)
{
    m_current = colour;
    m_colourSwatch->update();
    // Not while the user types in the field: the cursor stays where it is.
    if (PaletteEdit::parseColour(m_colourField->text()) != colour)
        m_colourField->setText(PaletteEdit::colourText(colour));
}

void PaletteEditor::chooseColour()
{
    const std::optional<QRgb> colour = m_host.prompter().chooseColour(this, m_chosen);
    if (!colour)
        return;
    m_chosen = *colour;
    setCurrentColour(*colour);
}

void PaletteEditor::rename(const QString &name)
{
    if (m_showing)
        return;
    Palette palette = m_host.design().palette();
    palette[m_selected].setName(PaletteEntry::storableName(name));
    setPalette(palette);
    m_list->item(m_selected)->setText(palette[m_selected].name());
}

void PaletteEditor::moveByArrow(int step)
{
    Palette palette = m_host.design().palette();
    const int moved = PaletteEdit::moveByArrow(palette, m_selected, step);
    setPalette(palette);
    fillList();
    showEntry(moved);
}

void PaletteEditor::openSettings()
{
    QString start = lastSettingsFolder();
    if (start.isEmpty() && !m_host.design().fileName().isEmpty())
        start = QFileInfo(m_host.design().fileName()).absolutePath();
    const QString path = m_host.prompter().openFileName(
        this, tr("開く"),
        {{tr("設定ファイル(*.ini)"), {QStringLiteral("*.ini")}},
         {tr("Tessell ファイル(*.tsl)"), {QStringLiteral("*.tsl")}},
         {tr("全てのファイル(*.*)"), {QStringLiteral("*.*")}}},
        start);
    if (path.isEmpty())
        return;
    lastSettingsFolder() = QFileInfo(path).absolutePath();
    Palette palette = m_host.design().palette();
    PaletteFiles::SettingsLoad load;
    m_host.run([&] { load = PaletteFiles::openSettings(path, palette); }, this);
    // Entries loaded before a stop or a bad picture stay, names included, so the
    // list is shown again in every case.
    setPalette(palette);
    fillList();
    showEntry(0);
    if (!load.complete())
        m_host.prompter().message(this, tr("エラー"), load.stopMessage, Prompter::Icon::Error);
}

void PaletteEditor::autoCreate()
{
    const QString folder = m_host.prompter().chooseFolder(this, tr("フォルダを選択してください。"), QDir::homePath());
    if (folder.isEmpty())
        return;
    m_host.processEvents();
    Palette palette = m_host.design().palette();
    if (m_host.run([&] { PaletteFiles::autoCreate(folder, palette); }, this))
        setPalette(palette);
    fillList();
    showEntry(0);
}

} // namespace tessell
