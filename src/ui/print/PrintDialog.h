#pragma once

#include "core/print/Distribution.h"
#include "ui/common/CommandRunner.h"
#include "ui/print/PrintOptionsPanel.h"
#include "ui/print/PrintPreviewPane.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace tessell {

class ClassPages;
class CommandHost;
class PrintProgress;
class PrintTarget;
struct ClassPageOptions;

// "印刷": divides the design's columns among the classes (three rows of a class
// count and the columns each gets, or an even split of a number of classes),
// previews the class pages at half and full size, prints them on a system
// printer and saves them as a PDF. Modal; every value comes from section
// "print" of the settings store when it opens and goes back when it closes.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // Makes the printer side of a print run from the printer chosen in the
    // system print dialog.
    using TargetFactory = std::function<std::unique_ptr<PrintTarget>(QPrinter &)>;

    static constexpr int ClientWidth = 617;
    static constexpr int ClientHeight = 606;
    static constexpr QSize HalfSize = PrintPreviewPane::HalfSize;
    static constexpr QSize FullSize = PrintPreviewPane::FullSize;

    explicit PrintDialog(CommandHost &host, QWidget *parent = nullptr);
    ~PrintDialog() override;

    // Tests print on a recorder; the default is the chosen system printer.
    void setTargetFactory(TargetFactory factory) { m_targetFactory = std::move(factory); }

    // "プレビュー(&V)": the first page at half size.
    void startPreview();
    // "<<" (-1) and ">>" (+1), wrapping around.
    void stepPage(int step);
    // "200%" and "100%" of the picture's menu.
    void showFullSize();
    void showHalfSize();
    // "印刷(&P)" and "PDFに保存(&D)": every class page in one job.
    void startPrint();
    void saveToPdf();
    // "均等に分ける": the six fields from the number of classes.
    void fairSplit();

    bool printing() const { return m_printing; }
    // The page index k of the preview (0-based).
    int currentPage() const { return m_page; }

    // Fields 0..2 the class counts of rows 1..3, 3..5 their columns per class.
    QLineEdit *field(int i) const { return m_fields[i]; }
    QLabel *totalLabel() const { return m_total; }
    QLineEdit *classesField() const { return m_classes; }
    QPushButton *fairButton() const { return m_fair; }
    QRadioButton *monochromeButton() const { return m_options->monochromeButton(); }
    QRadioButton *colourButton() const { return m_options->colourButton(); }
    QCheckBox *numberTableBox() const { return m_options->numberTableBox(); }
    QCheckBox *quantityTableBox() const { return m_options->quantityTableBox(); }
    QCheckBox *overviewBox() const { return m_options->overviewBox(); }
    QCheckBox *neighboursBox() const { return m_options->neighboursBox(); }
    QCheckBox *largePrintBox() const { return m_options->largePrintBox(); }
    QSpinBox *rowsPerSheetBox() const { return m_options->rowsPerSheetBox(); }
    QCheckBox *runsBox() const { return m_options->runsBox(); }
    QCheckBox *summaryBox() const { return m_options->summaryBox(); }
    QLineEdit *titleField() const { return m_options->titleField(); }
    QPlainTextEdit *notesField() const { return m_options->notesField(); }
    QPushButton *printButton() const { return m_print; }
    QPushButton *previewButton() const { return m_preview; }
    QPushButton *pdfButton() const { return m_pdf; }
    QPushButton *closeButton() const { return m_close; }
    QPushButton *previousButton() const { return m_previewPane->previousButton(); }
    QPushButton *nextButton() const { return m_previewPane->nextButton(); }
    QLabel *pageLabel() const { return m_previewPane->pageLabel(); }
    QScrollArea *previewArea() const { return m_previewPane->area(); }
    QLabel *picture() const { return m_previewPane->picture(); }
    QLabel *placeholder() const { return m_previewPane->placeholder(); }
    QMenu *pictureMenu() const { return m_previewPane->menu(); }
    PrintProgress *progressWindow() const { return m_progress; }

    // Escape closes the dialog as the close box does.
    void reject() override { close(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDistribution();
    void buildActions();
    void recompute();
    void readSettings();
    void writeSettings();

    Distribution::Fields fieldTexts() const;
    // The fields as a distribution the pages can take; throws the user's message.
    Distribution readDistribution() const;
    ClassPageOptions pageOptions(const Distribution &distribution) const;
    // The options of now on the pages, every page checked; throws before anything is drawn.
    int preparePages();
    // The fields and options on the pages for a preview, and the pages they
    // make (class pages, or sheets); throws while a run prints.
    int previewPages();
    // Page k at half size, k wrapping around the pages.
    void makePreview(int k);
    // Sends every page to the target with the progress window up.
    void runJob(PrintTarget &target, int pages);
    QString askPdfPath();

    CommandHost &m_host;
    CommandRunner m_runner;
    std::unique_ptr<ClassPages> m_pages;
    TargetFactory m_targetFactory;
    int m_columns = 0;
    int m_page = 0;
    bool m_printing = false;
    bool m_closeAfterRun = false;

    QLineEdit *m_fields[6] = {};
    QLabel *m_total = nullptr;
    QLineEdit *m_classes = nullptr;
    QPushButton *m_fair = nullptr;
    PrintPreviewPane *m_previewPane = nullptr;
    PrintOptionsPanel *m_options = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_preview = nullptr;
    QPushButton *m_pdf = nullptr;
    QPushButton *m_close = nullptr;
    PrintProgress *m_progress = nullptr;
};

} // namespace tessell
