#include "ui/scan/ImageScanWindow.h"

#include "core/document/Design.h"
#include "core/scan/PictureLoader.h"
#include "core/settings/SettingsStore.h"
#include "scanner/ScannerFactory.h"
#include "scanner/ScannerTexts.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/Prompter.h"
#include "ui/scan/ScanPictureView.h"
#include "ui/scan/WindowScanUi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>

namespace tessell {

namespace {
const char *kSection = "scan";
const char *kScanType = "scantype";
const char *kCompare = "compare";
constexpr int SidePanelWidth = 165;

// A stored choice outside the two items reads as the first, so that one item
// is always selected and the conversion does what the window shows.
int storedItem(const SettingsStore &store, const char *key)
{
    const int item = store.readInteger(kSection, QString::fromLatin1(key), 0);
    return item == 1 ? 1 : 0;
}

QPushButton *sideButton(const QString &text, QWidget *parent, QLayout *layout)
{
    auto *b = new QPushButton(text, parent);
    // Enter in the window presses nothing by itself.
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

// The wait cursor while a large picture is decoded.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
} // namespace

ImageScanWindow::ImageScanWindow(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      m_host(host), m_means(MosaicConversion::meanColours(host.design().palette()))
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
    layout->addWidget(m_area, 1);
    auto *panel = new QWidget(this);
    panel->setFixedWidth(SidePanelWidth);
    layout->addWidget(panel);
    buildSidePanel(panel);
    buildProgressPanel();

    connect(m_view, &ScanPictureView::pressed, this, &ImageScanWindow::pressPicture);
    connect(m_view, &ScanPictureView::moved, this, &ImageScanWindow::movePicture);
    connect(m_view, &ScanPictureView::released, this, &ImageScanWindow::releasePicture);

    const SettingsStore &store = m_host.settings();
    m_scanType->button(storedItem(store, kScanType))->setChecked(true);
    m_compare->button(storedItem(store, kCompare))->setChecked(true);
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
    const auto choices = [&](const QString &caption, const QString &first, const QString &second,
                             QRadioButton **a, QRadioButton **b) {
        auto [box, l] = group(caption);
        *a = new QRadioButton(first, box);
        *b = new QRadioButton(second, box);
        l->addWidget(*a);
        l->addWidget(*b);
        auto *buttons = new QButtonGroup(box);
        buttons->addButton(*a, 0);
        buttons->addButton(*b, 1);
        return buttons;
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
    m_compare = choices(tr("比較方法"), tr("平均色を比較"), tr("強調色を比較"), &m_average, &m_emphasized);
    m_scanType =
        choices(tr("読み取り方式"), tr("ペイントモード"), tr("誤差拡散モード"), &m_paint, &m_diffusion);
    auto [operation, operationLayout] = group(tr("操作"));
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
    connect(m_read, &QPushButton::clicked, this, &ImageScanWindow::readPicture);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_transfer, &QPushButton::clicked, this, &ImageScanWindow::transferAndClose);
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

// ---------------------------------------------------------------- the picture

const QImage &ImageScanWindow::picture() const
{
    return m_view->picture();
}

void ImageScanWindow::setPicture(const QImage &picture)
{
    // Held as the conversion reads it, so that a read does not copy it again.
    m_view->setPicture(
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32));
    fitPicture();
    m_read->setEnabled(true);
}

void ImageScanWindow::loadFromFile()
{
    QList<Prompter::Filter> filters;
    for (const PictureLoader::Filter &f : PictureLoader::fileDialogFilters())
        filters.append({f.label, f.patterns});
    const QString path = m_host.prompter().openFileName(this, tr("画像ファイルを開く"), filters);
    if (path.isEmpty())
        return;
    run([&] {
        QImage loaded;
        {
            WaitCursor wait;
            loaded = PictureLoader::load(path);
        }
        setPicture(loaded);
    });
}

void ImageScanWindow::loadFromScanner()
{
    Prompter &prompter = m_host.prompter();
    WindowScanUi ui(this, [&prompter](QWidget *parent, const QString &caption, const QString &label,
                                      const QStringList &devices) {
        return prompter.chooseItem(parent, caption, label, devices);
    });
    run([&] {
        ScannerService &service = scannerService();
        if (!service.selectSource(ui)) {
            prompter.message(this, tr("エラー"), texts::deviceNotReady(), Prompter::Icon::Error);
            return;
        }
        m_host.processEvents();
        QImage image;
        if (!service.acquire(image, true, ui))
            return;
        m_host.processEvents();
        setPicture(image);
    });
}

void ImageScanWindow::fitPicture()
{
    double scale = 1.0;
    const QImage &picture = m_view->picture();
    if (m_fit->isChecked() && !picture.isNull()) {
        const QSize room = m_area->maximumViewportSize();
        scale =
            qMin(1.0, qMin(double(room.width()) / picture.width(), double(room.height()) / picture.height()));
    }
    m_view->setScale(scale);
}

bool ImageScanWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize && m_fit->isChecked())
        fitPicture();
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the crop

void ImageScanWindow::pressPicture(QPoint point)
{
    m_crop->setEnabled(false);
    m_start = point;
    m_selecting = true;
    m_end = point;
    showOutline();
    m_view->setOutlineVisible(true);
    movePicture(point);
}

void ImageScanWindow::movePicture(QPoint point)
{
    if (!m_selecting)
        return;
    // A coordinate off the picture keeps its last value inside it.
    const QSize size = m_view->picture().size();
    if (point.x() >= 0 && point.x() <= size.width())
        m_end.setX(point.x());
    if (point.y() >= 0 && point.y() <= size.height())
        m_end.setY(point.y());
    showOutline();
}

void ImageScanWindow::releasePicture()
{
    if (!m_selecting)
        return;
    m_selecting = false;
    if (m_end.x() != m_start.x() && m_end.y() != m_start.y())
        m_crop->setEnabled(true);
    if (m_end.x() < m_start.x()) {
        const int x = m_start.x();
        m_start.setX(m_end.x());
        m_end.setX(x);
    }
    if (m_end.y() < m_start.y()) {
        const int y = m_start.y();
        m_start.setY(m_end.y());
        m_end.setY(y);
    }
    showOutline();
}

QRect ImageScanWindow::cropRectangle() const
{
    return QRect(m_start, QSize(m_end.x() - m_start.x(), m_end.y() - m_start.y()));
}

void ImageScanWindow::showOutline()
{
    m_view->setOutline(m_start, QSize(m_end.x() - m_start.x(), m_end.y() - m_start.y()));
}

void ImageScanWindow::cropPicture()
{
    // The outline may have been drawn over an earlier, larger picture: only
    // the part inside this one is kept.
    const QImage cropped = PictureLoader::crop(m_view->picture(), cropRectangle());
    m_view->setPicture(cropped);
    fitPicture();
    m_view->setOutlineVisible(false);
    m_crop->setEnabled(false);
}

// ---------------------------------------------------------------- reading and transfer

void ImageScanWindow::showProgressPanel()
{
    m_progressCaption->setText(tr("画像を変換中"));
    m_progressBar->setValue(0);
    m_progressPanel->move(mapToGlobal(rect().center()) - m_progressPanel->rect().center());
    m_progressPanel->show();
    m_progressPanel->raise();
    // The panel is drawn once the window system has put it on the screen, so
    // wait for that briefly; what the user does meanwhile waits until the
    // conversion has ended.
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    while (!m_progressPanel->windowHandle()->isExposed() && clock.elapsed() < 250);
    m_progressPanel->repaint();
}

void ImageScanWindow::readPicture()
{
    showProgressPanel();
    ScanProgress progress;
    progress.progress = [this](int done, int total) {
        m_progressBar->setMaximum(total);
        m_progressBar->setValue(done);
        m_progressBar->repaint();
    };
    progress.reading = [this] {
        m_progressCaption->setText(tr("画像を読み取り中"));
        m_progressPanel->repaint();
    };
    const Design &design = m_host.design();
    m_lines = MosaicConversion::convert(
        m_view->picture(), design.columns(), design.rows(), m_means,
        ScanOptions::fromItems(m_scanType->checkedId(), m_compare->checkedId()), progress);
    m_progressBar->setValue(0);
    m_progressPanel->hide();
    m_transfer->setEnabled(true);
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
    store.writeInteger(kSection, QString::fromLatin1(kScanType), m_scanType->checkedId());
    store.writeInteger(kSection, QString::fromLatin1(kCompare), m_compare->checkedId());
    m_lines.clear();
    m_progressPanel->hide();
    QDialog::done(result);
}

} // namespace tessell
