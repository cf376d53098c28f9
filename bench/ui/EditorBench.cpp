// The editor's own costs: a picture refresh, opening a design, starting with a
// large design, the whole-design steps, and the print dialog's preview and PDF,
// measured in the real main window on the offscreen platform.
#include "../DesignFixtures.h"
#include "core/document/DesignFile.h"
#include "core/settings/AppPaths.h"
#include "ui/app/FileCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/common/Prompter.h"
#include "ui/editing/DesignEditor.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"
#include "ui/editing/Tool.h"
#include "ui/plan/CollectionPlanWindow.h"
#include "ui/print/PrintDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessell;

namespace {
// Every dialog answered as cancelled, save for a file name set beforehand: a
// benchmark never waits for a person.
class SilentPrompter : public Prompter {
public:
    QString saveAs;

    void message(QWidget *, const QString &, const QString &, Icon) override {}
    Answer question(QWidget *, const QString &, const QString &, Icon, const QList<Answer> &) override
    {
        return Answer::No;
    }
    QString openFileName(QWidget *, const QString &, const QList<Filter> &, const QString &) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QList<Filter> &, const QString &, int *) override
    {
        return saveAs;
    }
    std::optional<QFont> chooseFont(QWidget *, const QFont &, int) override { return std::nullopt; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    std::optional<QRgb> chooseColour(QWidget *, QRgb) override { return std::nullopt; }
    std::optional<int> chooseItem(QWidget *, const QString &, const QString &, const QStringList &) override
    {
        return std::nullopt;
    }
    bool choosePrinter(QWidget *, QPrinter &, int) override { return false; }
};

QTemporaryDir *scratch()
{
    static QTemporaryDir dir;
    return &dir;
}

QString historyDir()
{
    const QString path = scratch()->filePath(QStringLiteral("log"));
    QDir().mkpath(path);
    return path;
}

// A design file of the given size with every palette number in use.
QString designFile(int columns, int rows)
{
    const QString path = scratch()->filePath(QStringLiteral("d%1x%2.tsl").arg(columns).arg(rows));
    if (QFile::exists(path))
        return path;
    Design design;
    bench::fillDesign(design, columns, rows);
    DesignFile::write(design, path);
    return path;
}

void editorRefresh(benchmark::State &state)
{
    SilentPrompter prompter;
    MainWindow window(prompter, historyDir());
    window.files().fileOpen(designFile(160, 100));
    window.show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.editor().refreshPicture());
        QCoreApplication::processEvents(); // the paint that draws what is shown
    }
}

void openDesign(benchmark::State &state)
{
    SilentPrompter prompter;
    MainWindow window(prompter, historyDir());
    window.show();
    const QString path = designFile(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.files().fileOpen(path));
        // The picture is drawn where it is shown, at the paint that follows.
        QCoreApplication::processEvents();
    }
}

// From constructing the main window to its being shown with the file open, as
// at a start with the file on the command line.
void startWithDesign(benchmark::State &state)
{
    SilentPrompter prompter;
    const QString path = designFile(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        MainWindow window(prompter, historyDir());
        window.openCommandLine({path});
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.history().delHistory();
        state.ResumeTiming();
    }
}
// One whole-design step of the editor, from the command to the picture drawn,
// the pieces counted and the history entry written: what the user waits for.
enum class Step { Replace, Undo, Redo, Rotate45, StrokeEnd };

void wholeDesignStep(benchmark::State &state, Step step)
{
    SilentPrompter prompter;
    MainWindow window(prompter, historyDir());
    window.settings().writeInteger(QStringLiteral("move"), QStringLiteral("shita"), 45);
    window.files().fileOpen(designFile(int(state.range(0)), int(state.range(1))));
    window.show();
    DesignEditor &editor = window.editor();
    ReplaceDialog replace(editor, &window);
    replace.wholeButton()->setChecked(true);
    RotateMoveWindow rotate(editor, &window);
    replace.show();
    rotate.show();
    QCoreApplication::processEvents();
    // Undo and redo step between two recorded entries.
    replace.fromBox()->setCurrentIndex(3);
    replace.toBox()->setCurrentIndex(7);
    replace.startReplace();
    Tool *pen = editor.pictureView()->tool();
    int done = 0;
    for (auto _ : state) {
        switch (step) {
        case Step::Replace:
            // 3 to 7, then back, so that every step changes cells.
            replace.fromBox()->setCurrentIndex(done % 2 ? 7 : 3);
            replace.toBox()->setCurrentIndex(done % 2 ? 3 : 7);
            replace.startReplace();
            break;
        case Step::Undo:
            editor.undo();
            state.PauseTiming();
            editor.redo();
            state.ResumeTiming();
            break;
        case Step::Redo:
            state.PauseTiming();
            editor.undo();
            state.ResumeTiming();
            editor.redo();
            break;
        case Step::Rotate45:
            rotate.rotateDesign();
            break;
        case Step::StrokeEnd:
            state.PauseTiming();
            pen->press(QPoint(6 * (done % 100), 5 * (done % 90)), Qt::LeftButton, {});
            state.ResumeTiming();
            pen->release(QPoint(6 * (done % 100), 5 * (done % 90)), Qt::LeftButton);
            break;
        }
        // Until the picture is shown: it is drawn where it is seen, at the paint.
        QCoreApplication::processEvents();
        // Entries of 2 MB each would pile up in the scratch folder.
        if (++done % 16 == 0 && step != Step::Undo && step != Step::Redo) {
            state.PauseTiming();
            window.history().delHistory();
            state.ResumeTiming();
        }
    }
    replace.close();
    rotate.close();
}

// The print dialog on a 160 x 100 design split 7 x 7, 7 x 7, 8 x 7 (22 pages):
// "プレビュー(&V)" (range 0), "200%" (1), and "PDFに保存(&D)" of all 22 pages (2).
void printDialog(benchmark::State &state)
{
    SilentPrompter prompter;
    MainWindow window(prompter, historyDir());
    window.files().fileOpen(designFile(160, 100));
    window.show();
    const QStringList six{"7", "7", "8", "7", "7", "7"};
    for (int i = 0; i < 6; ++i)
        window.settings().writeString(QStringLiteral("print"), QString::number(i + 1), six[i]);
    PrintDialog dialog(window.editor(), &window);
    dialog.show();
    prompter.saveAs = scratch()->filePath(QStringLiteral("pages.pdf"));
    for (auto _ : state) {
        if (state.range(0) == 0)
            dialog.startPreview();
        else if (state.range(0) == 1)
            dialog.showFullSize();
        else {
            // Not asked whether to replace it.
            state.PauseTiming();
            QFile::remove(prompter.saveAs);
            state.ResumeTiming();
            dialog.saveToPdf();
        }
    }
}
// "集める数" on a 999 x 999 design in 99 classes: opening it (range 0), and a
// new number of pieces a carton, with both tables shown again (1).
void collectionPlanWindow(benchmark::State &state)
{
    SilentPrompter prompter;
    MainWindow window(prompter, historyDir());
    window.files().fileOpen(designFile(999, 999));
    window.show();
    const QStringList six{"9", "90", "0", "11", "10", "1"}; // 99 classes, all 999 columns
    for (int i = 0; i < 6; ++i)
        window.settings().writeString(QStringLiteral("print"), QString::number(i + 1), six[i]);
    if (state.range(0) == 0) {
        for (auto _ : state) {
            CollectionPlanWindow plan(window.editor(), &window);
            benchmark::DoNotOptimize(plan.table().total.pieces);
        }
        return;
    }
    CollectionPlanWindow plan(window.editor(), &window);
    plan.show();
    int perCarton = 1;
    for (auto _ : state)
        plan.perCartonField(3)->setText(QString::number(perCarton++ % 9999 + 1));
}
} // namespace

BENCHMARK(editorRefresh)->Unit(benchmark::kMillisecond);
BENCHMARK(openDesign)->Args({160, 100})->Args({999, 999})->Unit(benchmark::kMillisecond);
BENCHMARK(startWithDesign)->Args({999, 999})->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(printDialog)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(collectionPlanWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // data.dat and the history stay in the scratch folder.
    AppPaths::setBaseDir(scratch()->path());
    const std::pair<const char *, Step> steps[] = {{"wholeDesignStep/replace", Step::Replace},
                                                   {"wholeDesignStep/undo", Step::Undo},
                                                   {"wholeDesignStep/redo", Step::Redo},
                                                   {"wholeDesignStep/rotate45", Step::Rotate45},
                                                   {"wholeDesignStep/strokeEnd", Step::StrokeEnd}};
    for (const auto &[name, step] : steps)
        benchmark::RegisterBenchmark(name, wholeDesignStep, step)
            ->Args({999, 999})
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
