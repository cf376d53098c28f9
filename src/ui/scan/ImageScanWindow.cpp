#include "ui/scan/ImageScanWindow.h"

#include "core/document/Design.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/Prompter.h"
#include "ui/scan/ScanPictureView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessell {

namespace {
const char *kSection = "scan";
const char *kScanType = "scantype";
const char *kCompare = "compare";
const char *kFit = "fit";
const char *kAspect = "aspect";
const char *kWithinStock = "withinstock";
const char *kColours = "colours";
const char *kBrightness = "brightness";
const char *kContrast = "contrast";
const char *kSaturation = "saturation";
constexpr int SidePanelWidth = 165;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// A stored choice outside the three items reads as the first, so that one item
// is always selected and the conversion does what the window shows.
int storedItem(const SettingsStore &store, const char *name)
{
    const int item = store.readInteger(kSection, key(name), 0);
    return item >= 0 && item <= 2 ? item : 0;
}

QPushButton *sideButton(const QString &text, QWidget *parent, QLayout *layout)
{
    auto *b = new QPushButton(text, parent);
    // Enter in the window presses nothing by itself.
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

} // namespace

ImageScanWindow::ImageScanWindow(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      m_host(host), m_means(MosaicConversion::meanColours(host.design().palette())),
      m_stock(CollectionPlan::read(host.settings()).stock)
{
    setObjectName(QStringLiteral("ImageScanWindow"));
    setWindowTitle(tr("イメージスキャン"));
    setModal(true);
    resize(785, 406);
    // The smallest window, 577 × 433 with its frame, leaves this much inside.
    setMinimumSize(569, 406);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("pictureArea"));
    m_area->setWidgetResizable(false);
    m_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view = new ScanPictureView;
    m_area->setWidget(m_view);
    m_area->viewport()->installEventFilter(this);
    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(m_area, 1);
    left->addWidget(buildAdjustmentBar());
    layout->addLayout(left, 1);
    auto *panel = new QWidget(this);
    panel->setFixedWidth(SidePanelWidth);
    layout->addWidget(panel);
    buildSidePanel(panel);
    buildProgressPanel();
    // The side panel's added choices need more height than 406: the window
    // grows to show every control at its natural size.
    const int height = std::max(406, panel->sizeHint().height());
    resize(785, height);
    setMinimumSize(569, height);

    connect(m_view, &ScanPictureView::pressed, this, &ImageScanWindow::pressPicture);
    connect(m_view, &ScanPictureView::moved, this, &ImageScanWindow::movePicture);
    connect(m_view, &ScanPictureView::released, this, &ImageScanWindow::releasePicture);

    const SettingsStore &store = m_host.settings();
    m_scanType->button(storedItem(store, kScanType))->setChecked(true);
    m_compare->button(storedItem(store, kCompare))->setChecked(true);
    m_fit->setChecked(store.readBool(kSection, key(kFit), true));
    m_aspect->setChecked(store.readBool(kSection, key(kAspect), false));
    m_withinStock->setChecked(store.readBool(kSection, key(kWithinStock), false));
    m_colourCount->setValue(store.readInteger(kSection, key(kColours), 16));
    m_brightness->setValue(store.readInteger(kSection, key(kBrightness), 0));
    m_contrast->setValue(store.readInteger(kSection, key(kContrast), 0));
    m_saturation->setValue(store.readInteger(kSection, key(kSaturation), 0));
    // Connected after the stored values are in, which convert nothing.
    connect(m_compare, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            choiceChanged();
    });
    connect(m_scanType, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            choiceChanged();
    });
    for (QSlider *slider : {m_brightness, m_contrast, m_saturation})
        connect(slider, &QSlider::valueChanged, this, &ImageScanWindow::choiceChanged);
    connect(m_withinStock, &QCheckBox::toggled, this, &ImageScanWindow::choiceChanged);
    bindHelpKey(this, HelpPages::ImageScan, [this](int topic) { m_host.showHelp(topic); });
}

void ImageScanWindow::buildSidePanel(QWidget *panel)
{
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);
    const auto group = [&](const QString &caption) {
        auto *box = new QGroupBox(caption, panel);
        auto *l = new QVBoxLayout(box);
        l->setContentsMargins(6, 2, 6, 4);
        l->setSpacing(2);
        column->addWidget(box);
        return std::pair{box, l};
    };
    const auto choices = [&](const QString &caption, const QStringList &texts,
                             QList<QRadioButton **> buttons) {
        auto [box, l] = group(caption);
        auto *buttonGroup = new QButtonGroup(box);
        for (int i = 0; i < texts.size(); ++i) {
            *buttons[i] = new QRadioButton(texts[i], box);
            l->addWidget(*buttons[i]);
            buttonGroup->addButton(*buttons[i], i);
        }
        return buttonGroup;
    };

    auto [load, loadLayout] = group(tr("読み込み"));
    m_fromScanner = sideButton(tr("TWAIN装置から(&T)"), load, loadLayout);
    m_fromFile = sideButton(tr("ファイルから(&F)"), load, loadLayout);
    auto [edit, editLayout] = group(tr("編集"));
    m_crop = sideButton(tr("切り抜き(&T)"), edit, editLayout);
    m_crop->setEnabled(false);
    m_fit = new QCheckBox(tr("全体表示"), edit);
    m_fit->setToolTip(tr("画像全体を表示領域に合わせて縮小します"));
    editLayout->addWidget(m_fit);
    m_preview = new QCheckBox(tr("結果を表示"), edit);
    m_preview->setToolTip(tr("写真の代わりに変換した結果を表示します"));
    editLayout->addWidget(m_preview);
    m_aspect = new QCheckBox(tr("縦横比を合わせる"), edit);
    m_aspect->setToolTip(tr("切り抜く範囲をデザインの縦横比にします"));
    editLayout->addWidget(m_aspect);
    m_compare = choices(tr("比較方法"), {tr("平均色を比較"), tr("強調色を比較"), tr("見た目で比較")},
                        {&m_average, &m_emphasized, &m_perceptual});
    m_perceptual->setToolTip(tr("色の差を人の目の感じ方で比べます (CIEDE2000)"));
    m_scanType =
        choices(tr("読み取り方式"), {tr("ペイントモード"), tr("誤差拡散モード"), tr("なめらかに拡散")},
                {&m_paint, &m_diffusion, &m_smooth});
    m_smooth->setToolTip(tr("誤差をパレットの16色に対して直接拡散します"));
    auto [operation, operationLayout] = group(tr("操作"));
    m_withinStock = new QCheckBox(tr("在庫にあわせる"), operation);
    m_withinStock->setToolTip(tr("「集める数」の在庫の枚数より多くは使わずに変換します"));
    operationLayout->addWidget(m_withinStock);
    m_read = sideButton(tr("読み取り(&S)"), operation, operationLayout);
    m_cancel = sideButton(tr("キャンセル(&E)"), operation, operationLayout);
    m_transfer = sideButton(tr("転送して閉じる(&C)"), operation, operationLayout);
    m_read->setEnabled(false);
    m_transfer->setEnabled(false);
    column->addStretch();

    connect(m_fromScanner, &QPushButton::clicked, this, &ImageScanWindow::loadFromScanner);
    connect(m_fromFile, &QPushButton::clicked, this, &ImageScanWindow::loadFromFile);
    connect(m_crop, &QPushButton::clicked, this, [this] { run([this] { cropPicture(); }); });
    connect(m_fit, &QCheckBox::toggled, this, &ImageScanWindow::fitPicture);
    connect(m_preview, &QCheckBox::toggled, this, &ImageScanWindow::previewToggled);
    connect(m_read, &QPushButton::clicked, this, &ImageScanWindow::readPicture);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_transfer, &QPushButton::clicked, this, &ImageScanWindow::transferAndClose);
}

QWidget *ImageScanWindow::buildAdjustmentBar()
{
    auto *bar = new QWidget(this);
    auto *grid = new QGridLayout(bar);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const auto slider = [&](int row, const QString &caption) {
        auto *label = new QLabel(caption, bar);
        auto *s = new QSlider(Qt::Horizontal, bar);
        s->setRange(Adjustments::Minimum, Adjustments::Maximum);
        s->setPageStep(10);
        auto *value = new QLabel(QStringLiteral("0"), bar);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
        connect(s, &QSlider::valueChanged, value, [value](int v) { value->setNum(v); });
        label->setBuddy(s);
        grid->addWidget(label, row, 0);
        grid->addWidget(s, row, 1);
        grid->addWidget(value, row, 2);
        return s;
    };
    m_brightness = slider(0, tr("明るさ"));
    m_contrast = slider(1, tr("コントラスト"));
    m_saturation = slider(2, tr("あざやかさ"));
    grid->setColumnStretch(1, 1);

    m_reset = new QPushButton(tr("元に戻す"), bar);
    m_reset->setAutoDefault(false);
    m_reset->setToolTip(tr("明るさ・コントラスト・あざやかさを0に戻します"));
    grid->addWidget(m_reset, 0, 4, 1, 2, Qt::AlignLeft);
    m_colourCount = new QSpinBox(bar);
    m_colourCount->setRange(2, 16);
    m_colourCount->setToolTip(tr("選ぶ色の数"));
    m_chooseColours = new QPushButton(tr("写真から色を選ぶ"), bar);
    m_chooseColours->setAutoDefault(false);
    m_chooseColours->setToolTip(tr("写真の色からパレットの0番から先を作り、変換し直します"));
    m_chooseColours->setEnabled(false);
    grid->addWidget(m_colourCount, 1, 4);
    grid->addWidget(m_chooseColours, 1, 5);
    m_difference = new QLabel(bar);
    m_difference->setObjectName(QStringLiteral("difference"));
    m_difference->setToolTip(tr("各セルの色と選ばれたタイルの色との差 (CIEDE2000) の平均"));
    grid->addWidget(m_difference, 2, 4, 1, 2);
    grid->setColumnMinimumWidth(3, 6);

    connect(m_reset, &QPushButton::clicked, this, &ImageScanWindow::resetAdjustments);
    connect(m_chooseColours, &QPushButton::clicked, this, [this] { run([this] { choosePalette(); }); });
    return bar;
}

void ImageScanWindow::buildProgressPanel()
{
    // A small untitled window floating over this one while the conversion runs.
    auto *frame = new QFrame(this, Qt::Tool | Qt::FramelessWindowHint);
    frame->setObjectName(QStringLiteral("progressPanel"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setFixedSize(265, 97);
    frame->setAttribute(Qt::WA_ShowWithoutActivating);
    auto *l = new QVBoxLayout(frame);
    l->setContentsMargins(16, 12, 16, 16);
    m_progressCaption = new QLabel(frame);
    m_progressCaption->setAlignment(Qt::AlignCenter);
    m_progressBar = new QProgressBar(frame);
    m_progressBar->setTextVisible(false);
    m_progressBar->setValue(0);
    l->addWidget(m_progressCaption);
    l->addWidget(m_progressBar);
    m_progressPanel = frame;
}

bool ImageScanWindow::run(const std::function<void()> &command)
{
    return m_host.run(command, this);
}

// ---------------------------------------------------------------- changes and transfer

void ImageScanWindow::pictureChanged()
{
    m_cells.clear();
    if (m_preview->isChecked())
        convertAgain();
    fitPicture();
}

void ImageScanWindow::previewToggled(bool on)
{
    m_selecting = false;
    if (on) {
        convertAgain();
        return;
    }
    m_view->setPreview({}, {});
    fitPicture();
}

void ImageScanWindow::choiceChanged()
{
    if (m_preview->isChecked() && !m_resetting)
        convertAgain();
}

void ImageScanWindow::resetAdjustments()
{
    m_resetting = true;
    for (QSlider *slider : {m_brightness, m_contrast, m_saturation})
        slider->setValue(0);
    m_resetting = false;
    choiceChanged();
}

void ImageScanWindow::choosePalette()
{
    if (m_view->picture().isNull())
        return;
    std::vector<QRgb> cells = cellColours();
    options().adjustments.apply(cells);
    Design &design = m_host.design();
    Palette palette = design.palette();
    MosaicConversion::choosePalette(cells, m_colourCount->value(), palette);
    design.setPalette(palette);
    m_paletteChosen = true;
    m_means = MosaicConversion::meanColours(palette);
    convertAgain();
}

void ImageScanWindow::transferAndClose()
{
    m_host.edit(tr("イメージスキャン"), EditOrder::RecordThenRedraw,
                [this] { MosaicConversion::writeIntoCells(m_lines, m_host.design()); });
    accept();
}

void ImageScanWindow::done(int result)
{
    SettingsStore &store = m_host.settings();
    store.writeInteger(kSection, key(kScanType), m_scanType->checkedId());
    store.writeInteger(kSection, key(kCompare), m_compare->checkedId());
    store.writeBool(kSection, key(kFit), m_fit->isChecked());
    store.writeBool(kSection, key(kAspect), m_aspect->isChecked());
    store.writeBool(kSection, key(kWithinStock), m_withinStock->isChecked());
    store.writeInteger(kSection, key(kColours), m_colourCount->value());
    store.writeInteger(kSection, key(kBrightness), m_brightness->value());
    store.writeInteger(kSection, key(kContrast), m_contrast->value());
    store.writeInteger(kSection, key(kSaturation), m_saturation->value());
    m_lines.clear();
    m_cells.clear();
    m_progressPanel->hide();
    QDialog::done(result);
}

} // namespace tessell
