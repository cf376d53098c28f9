#include "ui/print/PrintDialog.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/plan/CollectionPlan.h"
#include "core/print/ClassPages.h"
#include "core/print/PdfPrintTarget.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandHost.h"
#include "ui/common/HelpPages.h"
#include "ui/common/Prompter.h"
#include "ui/common/SaveTarget.h"
#include "ui/common/WindowPlaces.h"
#include "ui/print/PrintOptionsPanel.h"
#include "ui/print/PrintProgress.h"
#include "ui/print/PrinterPrintTarget.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>

namespace tessell {

namespace {
const QString kSection = QStringLiteral("print");

QLabel *label(const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QPushButton *button(const QString &text, QWidget *parent, const QRect &geometry, const char *name)
{
    auto *b = new QPushButton(text, parent);
    b->setGeometry(geometry);
    b->setObjectName(QLatin1String(name));
    // Enter in a field must not start a print run.
    b->setAutoDefault(false);
    return b;
}
} // namespace

PrintDialog::PrintDialog(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | TitleAndCloseHints), m_host(host), m_runner(host.prompter()),
      m_pages(std::make_unique<ClassPages>(host.design().grid(), host.design().palette())),
      m_columns(host.design().columns())
{
    setObjectName(QStringLiteral("printDialog"));
    setWindowTitle(tr("印刷"));
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);

    m_previewPane = new PrintPreviewPane(this);
    connect(m_previewPane, &PrintPreviewPane::stepAsked, this, &PrintDialog::stepPage);
    connect(m_previewPane, &PrintPreviewPane::fullSizeAsked, this, &PrintDialog::showFullSize);
    connect(m_previewPane, &PrintPreviewPane::halfSizeAsked, this, &PrintDialog::showHalfSize);
    buildDistribution();
    m_options = new PrintOptionsPanel(this);
    buildActions();
    m_progress = new PrintProgress(this);
    bindHelpKey(this, HelpPages::Print, [this](int topic) { m_host.showHelp(topic); });

    readSettings();
    recompute();
}

PrintDialog::~PrintDialog() = default;

// ---------------------------------------------------------------- building

void PrintDialog::buildDistribution()
{
    auto *group = new QGroupBox(tr("分配"), this);
    group->setGeometry(419, 2, 194, 164);
    for (int row = 0; row < 3; ++row) {
        const int y = 20 + 24 * row;
        label(QStringLiteral("%1:").arg(row + 1), group, QRect(8, y, 16, 20));
        label(tr("クラス×"), group, QRect(54, y, 62, 20));
        label(tr("列"), group, QRect(148, y, 40, 20));
        for (int i : {row, row + 3}) {
            auto *field = new QLineEdit(group);
            field->setObjectName(QStringLiteral("field%1").arg(i + 1));
            field->setMaxLength(2);
            field->setAttribute(Qt::WA_InputMethodEnabled, false);
            field->setGeometry(i < 3 ? 24 : 116, y, 28, 20);
            m_fields[i] = field;
        }
    }
    // Tab goes along each row.
    for (int row = 0; row < 3; ++row) {
        setTabOrder(m_fields[row], m_fields[row + 3]);
        if (row < 2)
            setTabOrder(m_fields[row + 3], m_fields[row + 1]);
    }
    for (QLineEdit *field : m_fields)
        connect(field, &QLineEdit::textChanged, this, &PrintDialog::recompute);

    label(tr("クラス数"), group, QRect(10, 94, 48, 22));
    m_classes = new QLineEdit(group);
    m_classes->setObjectName(QStringLiteral("classesField"));
    m_classes->setMaxLength(2);
    m_classes->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_classes->setGeometry(60, 95, 30, 20);
    m_fair = button(tr("均等に分ける"), group, QRect(96, 94, 88, 22), "fairButton");
    connect(m_fair, &QPushButton::clicked, this, &PrintDialog::fairSplit);
    connect(m_classes, &QLineEdit::returnPressed, this, &PrintDialog::fairSplit);

    auto *sum = new QGroupBox(tr("合計"), group);
    sum->setGeometry(8, 120, 178, 38);
    m_total = label(tr("合計 154列 : 余り 6列"), sum, QRect(8, 17, 164, 18));
    m_total->setObjectName(QStringLiteral("totalLine"));
}

void PrintDialog::buildActions()
{
    auto *actions = new QGroupBox(tr("操作"), this);
    actions->setGeometry(419, 518, 194, 84);
    m_print = button(tr("印刷(&P)"), actions, QRect(8, 20, 86, 26), "printButton");
    m_preview = button(tr("プレビュー(&V)"), actions, QRect(100, 20, 86, 26), "previewButton");
    m_pdf = button(tr("PDFに保存(&D)"), actions, QRect(8, 52, 86, 26), "pdfButton");
    m_close = button(tr("閉じる(&C)"), actions, QRect(100, 52, 86, 26), "closeButton");
    connect(m_print, &QPushButton::clicked, this, &PrintDialog::startPrint);
    connect(m_preview, &QPushButton::clicked, this, &PrintDialog::startPreview);
    connect(m_pdf, &QPushButton::clicked, this, &PrintDialog::saveToPdf);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

// ---------------------------------------------------------------- distribution

Distribution::Fields PrintDialog::fieldTexts() const
{
    Distribution::Fields f;
    for (int i = 0; i < 6; ++i)
        f[i] = m_fields[i]->text();
    return f;
}

void PrintDialog::recompute()
{
    const std::optional<Distribution::Fields> normal = Distribution::normalise(fieldTexts());
    if (!normal)
        return;
    // Each rewrite is a change of its own and runs this again, as typing it would.
    for (int i = 0; i < 6; ++i)
        if (m_fields[i]->text() != (*normal)[i])
            m_fields[i]->setText((*normal)[i]);
    const Distribution d = Distribution::fromFields(*normal);
    m_total->setText(d.totalLine(m_columns));
    const bool over = d.remainder(m_columns) < 0;
    QPalette palette = m_total->parentWidget()->palette();
    if (over)
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_total->setPalette(palette);
    // Only the close box is left to leave the dialog by.
    for (QPushButton *b : {m_preview, m_print, m_close, m_pdf})
        b->setEnabled(!over);
}

Distribution PrintDialog::readDistribution() const
{
    const Distribution d = Distribution::fromFields(fieldTexts());
    d.checkPositive();
    return d;
}

void PrintDialog::fairSplit()
{
    m_runner.run(this, [this] {
        const QString text = m_classes->text();
        bool ok = false;
        const int classes = text.toInt(&ok, 10);
        if (!ok)
            throw Error(texts::positiveIntegerRequired());
        const Distribution d = Distribution::fair(classes, m_columns);
        // A block an ordinary page cannot hold; large print takes any the
        // two-character fields can.
        if (d.row(0).columns > (largePrintBox()->isChecked() ? 99 : ClassPages::MaxBlockColumns))
            throw Error(texts::columnCountOutOfRange());
        const Distribution::Fields fields = d.fields();
        for (int i = 0; i < 6; ++i)
            m_fields[i]->setText(fields[i]);
    });
}

// ---------------------------------------------------------------- settings

void PrintDialog::readSettings()
{
    SettingsStore &store = m_host.settings();
    for (int i = 0; i < 6; ++i)
        m_fields[i]->setText(store.readString(kSection, QString::number(i + 1), QStringLiteral("1")));
    m_options->readSettings(store);
}

void PrintDialog::writeSettings()
{
    SettingsStore &store = m_host.settings();
    for (int i = 0; i < 6; ++i)
        store.writeString(kSection, QString::number(i + 1), m_fields[i]->text());
    m_options->writeSettings(store);
}

void PrintDialog::closeEvent(QCloseEvent *event)
{
    // The run is inside this dialog's own call stack: it closes when the run ends.
    if (m_printing) {
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
    QDialog::reject();
}

// ---------------------------------------------------------------- pages

ClassPageOptions PrintDialog::pageOptions(const Distribution &distribution) const
{
    ClassPageOptions o;
    o.distribution = distribution;
    m_options->fill(o);
    // The summary counts cartons as "集める数" does, from its plan as it stands now.
    o.plan = CollectionPlan::read(m_host.settings());
    return o;
}

int PrintDialog::preparePages()
{
    // A run in progress prints from the options it started with.
    if (m_printing)
        throw Error(texts::printerBusy());
    m_pages->setOptions(pageOptions(readDistribution()));
    m_pages->checkPages();
    return m_pages->pageCount();
}

void PrintDialog::startPreview()
{
    m_runner.run(this, [this] {
        makePreview(0);
        m_previewPane->enablePageButtons();
    });
}

void PrintDialog::stepPage(int step)
{
    m_runner.run(this, [&] { makePreview(m_page + step); });
}

int PrintDialog::previewPages()
{
    if (m_printing)
        throw Error(texts::previewWhilePrinting());
    m_pages->setOptions(pageOptions(readDistribution()));
    return m_pages->pageCount();
}

void PrintDialog::makePreview(int k)
{
    // A field that stops the preview leaves the page where the label says it is.
    const int pages = previewPages();
    if (k < 0)
        k = pages - 1;
    if (k > pages - 1)
        k = 0;
    m_page = k;
    m_previewPane->setPageLabel(m_page, pages);
    m_previewPane->drawPicture(
        HalfSize, [this](QPainter &painter) { m_pages->previewPageScaled(painter, m_page, 50); });
}

void PrintDialog::showFullSize()
{
    m_runner.run(this, [this] {
        const int pages = previewPages();
        // A page the distribution no longer has is shown as the page buttons would.
        if (m_page >= pages) {
            m_page = 0;
            m_previewPane->setPageLabel(m_page, pages);
        }
        m_previewPane->drawPicture(FullSize,
                                   [this](QPainter &painter) { m_pages->paintPage(painter, m_page, 1.0); });
    });
}

void PrintDialog::showHalfSize()
{
    m_runner.run(this, [this] { makePreview(m_page); });
}

// ---------------------------------------------------------------- printing

void PrintDialog::startPrint()
{
    m_runner.run(this, [this] {
        // Everything that could stop the pages is found before the printer is asked for.
        const int pages = preparePages();
        QPrinter printer(QPrinter::HighResolution);
        if (!m_host.prompter().choosePrinter(this, printer, pages))
            return;
        std::unique_ptr<PrintTarget> target =
            m_targetFactory ? m_targetFactory(printer) : std::make_unique<PrinterPrintTarget>(printer);
        runJob(*target, pages);
    });
    if (m_closeAfterRun)
        close();
}

void PrintDialog::saveToPdf()
{
    m_runner.run(this, [this] {
        const int pages = preparePages();
        const QString path = askPdfPath();
        if (path.isEmpty())
            return;
        PdfPrintTarget pdf(path);
        runJob(pdf, pages);
    });
    if (m_closeAfterRun)
        close();
}

QString PrintDialog::askPdfPath()
{
    const QString fileName = m_host.design().fileName();
    const QString folder = fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
    const std::optional<SaveTarget> target = chooseSaveTarget(
        m_host.prompter(), this, tr("PDFに保存"), {{tr("PDF ファイル (*.pdf)"), {QStringLiteral("*.pdf")}}},
        QStringLiteral("pdf"), folder);
    return target ? target->path : QString();
}

void PrintDialog::runJob(PrintTarget &target, int pages)
{
    m_printing = true;
    m_progress->start(m_options->title(), pages, m_previewPane->area());
    try {
        m_pages->print(target, [this](int k, int n) {
            m_page = k;
            m_progress->setPage(k, n);
            // The progress window repaints; the dialog's buttons answer meanwhile.
            m_host.processEvents();
        });
    } catch (...) {
        m_printing = false;
        m_progress->finish();
        throw;
    }
    m_printing = false;
    m_progress->finish();
}

} // namespace tessell
