// The record: a work-up or a plan saved as a PDF file with no printer at all,
// with or without the plan summary's page, checked with poppler's own tools;
// the plan summary on the calculator, against the dose tables; failures that
// leave no file behind. The screens are the real ones, driven as a surgeon
// drives them; the save dialog is Qt's own.
//
// With OCUVANCE_RECORD_COPY_TO set to a folder, each PDF saved is copied
// there to be looked at.

#include <sys/resource.h>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <csignal>
#include <memory>

#include "calculator/rules/doses.h"
#include "print/printservice.h"
#include "shell/navigator.h"
#include "shell/rules/numbers.h"
#include "standinprinters.h"
#include "support/screentest.h"

using namespace ocutest;
using ocu::Navigator;

namespace {

// A work-up walked from Home: boxes typed in order (each left with Tab),
// Enter, the answers chosen, and its Print and hand-off buttons.
struct Road {
    const char* workup;
    const char* homeButton;
    QList<std::pair<const char*, const char*>> typed;
    const char* enter;
    QList<const char*> answers;
    const char* print;
    const char* handOff;
};

const Road kEsoRoad{"Esotropia",
                    "Command1",
                    {{"Text2", "Asha Kumar"},
                     {"Text3", "6"},
                     {"Text4", "F"},
                     {"Text5", "R-77"},
                     {"Text7", "Dr Mehta"},
                     {"Text11", "City Eye Clinic"},
                     {"D", "35"},
                     {"N", "35"},
                     {"N3", "20"},
                     {"UP", "30"},
                     {"DN", "35"}},
                    "Command2",
                    {"Option8", "Option12"},
                    "Command3",
                    "Command4"};
const Road kExoRoad{"Exotropia",
                    "Command2",
                    {{"Text2", "Ravi Kumar"},
                     {"Text3", "9"},
                     {"Text4", "M"},
                     {"Text5", "X-12"},
                     {"Text7", "Dr Iyer"},
                     {"Text11", "Lake Eye Hospital"},
                     {"D", "30"},
                     {"N", "28"},
                     {"UP", "40"},
                     {"DN", "10"},
                     {"N60", "30"},
                     {"N3", "39"}},
                    "Command1",
                    {"Option12", "Option18", "Option15"},
                    "Command4",
                    "Command2"};

const Road& roadOf(const QString& workup) { return workup == QLatin1String("Exotropia") ? kExoRoad : kEsoRoad; }

QWidget* shown(const char* name) {
    QWidget* screen = Navigator::instance().find(QLatin1String(name));
    if (screen == nullptr) qFatal("%s did not open", name);
    (void)QTest::qWaitForWindowActive(screen);
    return screen;
}

QWidget* walk(const Road& road) {
    click(control<QPushButton>(openScreen("SBoard"), road.homeButton));
    QWidget* workup = shown(road.workup);
    for (const auto& [name, text] : road.typed) {
        typeInto(control<QLineEdit>(workup, name), QLatin1String(text));
        pressTab(control<QLineEdit>(workup, name));
    }
    click(control<QPushButton>(workup, road.enter));
    for (const char* answer : road.answers) click(control<QRadioButton>(workup, answer));
    return workup;
}

QWidget* handOff(const Road& road) {
    click(control<QPushButton>(walk(road), road.handOff));
    return shown("Squint");
}

// A dose picked from the drop-down, the box then left as a user leaves it.
void dose(QWidget* calculator, const char* box, const char* item) {
    auto* combo = control<QComboBox>(calculator, box);
    click(combo);
    combo->setCurrentIndex(combo->findText(QLatin1String(item)));
    pressTab(combo);
}

// A finished plan on the calculator: the doses chosen, then the check.
QWidget* planned(const Road& road, const QList<std::pair<const char*, const char*>>& doses) {
    QWidget* calculator = handOff(road);
    for (const auto& [box, item] : doses) dose(calculator, box, item);
    click(control<QPushButton>(calculator, "Showresult"));
    return calculator;
}

QWidget* printScreenFrom(QWidget* screen, const char* printButton) {
    click(control<QPushButton>(screen, printButton));
    return shown("Print_01");
}

QString tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PageInfo {
    QSizeF points;
    int rotation = -1;
};

// Every page's size and rotation as pdfinfo reads them.
QList<PageInfo> pagesOf(const QString& pdf) {
    const QString info = tool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                          QStringLiteral("-l"), QStringLiteral("99"), pdf});
    QList<PageInfo> pages;
    static const QRegularExpression size(QStringLiteral("^Page\\s+(\\d+) size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression rot(QStringLiteral("^Page\\s+(\\d+) rot:\\s+(\\d+)"),
                                        QRegularExpression::MultilineOption);
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        pages.append({QSizeF(m.captured(2).toDouble(), m.captured(3).toDouble())});
    }
    for (auto it = rot.globalMatch(info); it.hasNext();) {
        const auto m = it.next();
        const int page = m.captured(1).toInt() - 1;
        if (page >= 0 && page < pages.size()) pages[page].rotation = m.captured(2).toInt();
    }
    return pages;
}

// The images of the PDF that cover half their page or more both ways: a
// screen drawn as a picture instead of as text and drawings. (The style
// draws a frame from small cached images stretched along its sides, a wide
// frame's as wide as the frame; they are no such thing.)
QStringList largeImages(const QString& pdf, const QList<PageInfo>& pages) {
    const QString list = tool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QStringList large;
    for (const QString& row : list.split(QLatin1Char('\n')).mid(2)) {
        const QStringList c = row.simplified().split(QLatin1Char(' '));
        if (c.size() < 14) continue;
        const int page = c[0].toInt() - 1;
        const double widthPt = c[3].toDouble() / c[12].toDouble() * 72;
        const double heightPt = c[4].toDouble() / c[13].toDouble() * 72;
        if (page < 0 || page >= pages.size()) continue;
        if (widthPt >= pages[page].points.width() / 2 && heightPt >= pages[page].points.height() / 2) large << row;
    }
    return large;
}

QImage rendered(const QString& pdf, int page, const QString& folder) {
    const QString stem = QDir(folder).filePath(QStringLiteral("page%1").arg(page));
    tool(QStringLiteral("pdftoppm"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                      QString::number(page), QStringLiteral("-r"), QStringLiteral("50"),
                                      QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 60;
}

// The banner's orange circle stands at the top left of an upright screen.
bool orangeAtTopLeft(const QImage& page, const QRect& inked) {
    for (int y = inked.top(); y < inked.top() + inked.height() / 12; ++y) {
        for (int x = inked.left(); x < inked.left() + inked.width() / 12; ++x) {
            if (near(page.pixelColor(x, y), QColor(255, 128, 0))) return true;
        }
    }
    return false;
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

ocu::calc::DoseBox doseBoxNamed(const QString& name) {
    using ocu::calc::DoseBox;
    // clang-format off
    static const QHash<QString, DoseBox> boxes = {
        {"cmbLRrec_R", DoseBox::LRrec_R}, {"cmbLRrec_L", DoseBox::LRrec_L}, {"cmbMRres_R", DoseBox::MRres_R},
        {"cmbMRres_L", DoseBox::MRres_L}, {"cmbLRres_R", DoseBox::LRres_R}, {"cmbLRres_L", DoseBox::LRres_L},
        {"cmbMRrec_R", DoseBox::MRrec_R}, {"cmbMRrec_L", DoseBox::MRrec_L}};
    return boxes.value(name);
}

QString lineOf(ocu::calc::DoseBox box, const char* eye, const char* muscle, const char* item) {
    const auto pd = ocu::calc::doseResponse(box, item);
    if (!pd) qFatal("%s is not a row of its table", item);
    return QStringLiteral("  %1 %2 %3: %4 PD").arg(QLatin1String(eye), QLatin1String(muscle), QLatin1String(item),
                                                  QString::fromStdString(ocu::formatNumber(ocu::leadingNumber(*pd))));
}

// Keeps a copy of a saved PDF where the environment asks for one.
void keepCopy(const QString& pdf) {
    const QString folder = qEnvironmentVariable("OCUVANCE_RECORD_COPY_TO");
    if (folder.isEmpty()) return;
    const QString copy = QDir(folder).filePath(QFileInfo(pdf).fileName());
    QFile::remove(copy);
    QFile::copy(pdf, copy);
}

// A limit on the size of files makes writing fail as a full disk does, for
// any user, root included; the signal it would send is ignored meanwhile.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    // clang-format on
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit before_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerScreens();
        for (const char* needed : {"pdfinfo", "pdftotext", "pdfimages", "pdftoppm"}) {
            if (QStandardPaths::findExecutable(QLatin1String(needed)).isEmpty()) {
                QSKIP(qPrintable(QStringLiteral("%1 (poppler-utils) is not installed").arg(QLatin1String(needed))));
            }
        }
        // A home of the test's own, so that the proposed folder is known and empty.
        QVERIFY(home_.isValid());
        qputenv("HOME", QFile::encodeName(home_.path()));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("Documents")));
        documents_ = QDir(home_.path()).filePath(QStringLiteral("Documents"));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), documents_);
        locale_ = QLocale();
        // No printer at all: saving must not need one.
        bench_ = std::make_shared<PrinterBench>();
        ocu::PrintService::instance().usePrinters(std::make_unique<StandInPrinters>(bench_));
    }
    void init() {
        QLocale::setDefault(locale_);
        bench_->installed.clear();
        bench_->defaultName.clear();
        bench_->jobs.clear();
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch_->isValid());
    }
    void cleanup() {
        closeAllScreens();
        scratch_.reset();
        QLocale::setDefault(locale_);
        for (const QString& entry : entriesOf(documents_)) QFile::remove(QDir(documents_).filePath(entry));
    }

    void thePrintScreenOffersSavingAndTheSummary() {
        MessageAnswerer answerer;
        QWidget* print = printScreenFrom(walk(kEsoRoad), kEsoRoad.print);
        auto* box = control<QCheckBox>(print, "chkPlanSummary");
        auto* save = control<QPushButton>(print, "cmdSavePdf");
        QCOMPARE(box->text(), QStringLiteral("Add plan summary"));
        QCOMPARE(save->text(), QStringLiteral("Save As PDF..."));
        QVERIFY(!box->isChecked());
        // Right of the printer frame, under the request, above the actions.
        const QRect frame1 = control<QWidget>(print, "Frame1")->geometry();
        const QRect request = control<QWidget>(print, "Label3")->geometry();
        const QRect frame2 = control<QWidget>(print, "Frame2")->geometry();
        for (const QWidget* added : {static_cast<QWidget*>(box), static_cast<QWidget*>(save)}) {
            QVERIFY(added->isVisible() && added->isEnabled());
            QVERIFY(added->x() > frame1.right());
            QVERIFY(added->y() > request.bottom());
            QVERIFY(added->geometry().bottom() < frame2.top());
            QVERIFY(added->geometry().right() <= print->width());
        }
        QVERIFY(save->y() > box->geometry().bottom());
    }

    // Each printable screen, alone and with its summary, on A4 and on Letter.
    void savesThePageAsAPdf_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("withSummary");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("texts");
        for (const char* paper : {"A4", "Letter"}) {
            for (bool summary : {false, true}) {
                const QString tail =
                    QString::fromLatin1(summary ? " with summary on %1" : " on %1").arg(QLatin1String(paper));
                QTest::addRow("Esotropia%s", qPrintable(tail))
                    << "Esotropia" << summary << paper << QStringList{"Asha Kumar", "Dr Mehta"};
                QTest::addRow("Exotropia%s", qPrintable(tail))
                    << "Exotropia" << summary << paper << QStringList{"Ravi Kumar", "Lake Eye Hospital"};
                QTest::addRow("Squint%s", qPrintable(tail))
                    << "Squint" << summary << paper << QStringList{"Asha Kumar", "B/L MR Recession"};
            }
        }
    }
    void savesThePageAsAPdf() {
        QFETCH(QString, screen);
        QFETCH(bool, withSummary);
        QFETCH(QString, paper);
        QFETCH(QStringList, texts);
        if (paper == QLatin1String("Letter")) QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QSizeF portrait = paper == QLatin1String("A4") ? QSizeF(595.276, 841.89) : QSizeF(612, 792);
        MessageAnswerer answerer;
        QWidget* printed = nullptr;
        QWidget* print = nullptr;
        if (screen == QLatin1String("Squint")) {
            printed = planned(kEsoRoad, {{"cmbMRrec_R", "5.0 mm"}, {"cmbMRrec_L", "4.5 mm"}});
            print = printScreenFrom(printed, "Command4");
        } else {
            printed = walk(roadOf(screen));
            print = printScreenFrom(printed, roadOf(screen).print);
        }
        const QImage before = printed->grab().toImage();
        if (withSummary) click(control<QCheckBox>(print, "chkPlanSummary"));
        const QString pdf = QDir(scratch_->path()).filePath(screen + QStringLiteral(".pdf"));
        SaveDialogAnswerer dialog(pdf);
        click(control<QPushButton>(print, "cmdSavePdf"));
        QVERIFY2(answerer.texts().isEmpty(), qPrintable(answerer.texts().join(u'|')));
        QCOMPARE(dialog.proposals().size(), 1);
        QVERIFY2(QFileInfo::exists(pdf), qPrintable(entriesOf(scratch_->path()).join(u' ')));
        keepCopy(pdf);
        // The screen is left as it was, and the print screen stays.
        QCOMPARE(printed->grab().toImage(), before);
        QVERIFY(print->isVisible());

        // One page, or two with the summary; the screen's page lies on its
        // side for the wide screen, the summary's stands; neither is rotated.
        const QList<PageInfo> pages = pagesOf(pdf);
        QCOMPARE(pages.size(), withSummary ? 2 : 1);
        QVERIFY2(qAbs(pages[0].points.width() - portrait.height()) < 1 &&
                     qAbs(pages[0].points.height() - portrait.width()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(pages[0].points.width()).arg(pages[0].points.height())));
        if (withSummary) {
            QVERIFY(qAbs(pages[1].points.width() - portrait.width()) < 1 &&
                    qAbs(pages[1].points.height() - portrait.height()) < 1);
        }
        for (const PageInfo& page : pages) QCOMPARE(page.rotation, 0);

        // Text as text, drawings as drawings.
        const QString text = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const QString& expected : texts) QVERIFY2(text.contains(expected), qPrintable(expected + u'\n' + text));
        if (withSummary) {
            const QString summary = tool(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), QStringLiteral("2"), pdf, QStringLiteral("-")});
            for (const QString& expected :
                 QStringList{QStringLiteral("Plan summary"), QStringLiteral("Patient: ") + texts[0],
                             QStringLiteral("Surgeon:")}) {
                QVERIFY2(summary.contains(expected), qPrintable(expected + u'\n' + summary));
            }
        }
        const QStringList large = largeImages(pdf, pages);
        QVERIFY2(large.isEmpty(), qPrintable(large.join(u'\n')));

        // Upright when drawn: the banner's circles at the top left, the
        // screen's shape, filling the page's width or height.
        const QImage first = rendered(pdf, 1, scratch_->path());
        QVERIFY(!first.isNull());
        QVERIFY(first.width() > first.height());
        const QRect inked = inkedArea(first);
        QVERIFY(!inked.isEmpty());
        const double ratio = double(printed->width()) / printed->height();
        QVERIFY2(qAbs(double(inked.width()) / inked.height() - ratio) < 0.03 * ratio,
                 qPrintable(QStringLiteral("%1 x %2").arg(inked.width()).arg(inked.height())));
        QVERIFY(inked.width() > first.width() * 0.8 || inked.height() > first.height() * 0.8);
        QVERIFY(orangeAtTopLeft(first, inked));
        if (withSummary) {
            const QImage second = rendered(pdf, 2, scratch_->path());
            QVERIFY(second.height() > second.width());
            const QRect lines = inkedArea(second);
            // The lines start at the top margin, from the left margin.
            QVERIFY(!lines.isEmpty());
            QVERIFY(lines.top() < second.height() / 10);
            QVERIFY(lines.left() < second.width() / 10);
        }
    }

    void theSavedSummaryOfAFinishedEsoRoadHoldsThePlan() {
        MessageAnswerer answerer;
        QWidget* calculator = planned(kEsoRoad, {{"cmbMRrec_R", "5.0 mm"}, {"cmbMRrec_L", "4.5 mm"}});
        QWidget* print = printScreenFrom(calculator, "Command4");
        click(control<QCheckBox>(print, "chkPlanSummary"));
        const QString pdf = QDir(scratch_->path()).filePath(QStringLiteral("plan.pdf"));
        SaveDialogAnswerer dialog(pdf);
        click(control<QPushButton>(print, "cmdSavePdf"));
        keepCopy(pdf);
        const QString text =
            tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), pdf, QStringLiteral("-")});
        using ocu::calc::DoseBox;
        const QString total = control<QLineEdit>(calculator, "CTotal")->text();
        QCOMPARE(total, QStringLiteral("32.5"));
        for (const QString& line :
             {QStringLiteral("Patient: Asha Kumar"),
              lineOf(DoseBox::MRrec_R, "OD", "medial rectus recession", "5.0 mm").trimmed(),
              lineOf(DoseBox::MRrec_L, "OS", "medial rectus recession", "4.5 mm").trimmed(),
              QStringLiteral("Total correction: %1 PD").arg(total), QStringLiteral("Deviation: 35 PD"),
              QStringLiteral("Residual (deviation - total): 2.5 PD, under-correction")}) {
            QVERIFY2(text.contains(line), qPrintable(line + u'\n' + text));
        }
    }

    // The summary on the calculator, with the figures of the dose tables and
    // the calculator's own total, as the doses are chosen and checked.
    void theCalculatorShowsThePlanSummary_data() {
        QTest::addColumn<QString>("workup");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("lines");  // eye and muscle of each box
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("residual");
        QTest::newRow("eso, centred") << "Esotropia" << QStringList{"cmbMRrec_R", "cmbMRrec_L"}
                                      << QStringList{"5.0 mm", "5.0 mm"}
                                      << QStringList{"OD medial rectus recession", "OS medial rectus recession"} << "35"
                                      << "0 PD";
        QTest::newRow("eso, under-corrected")
            << "Esotropia" << QStringList{"cmbMRrec_R", "cmbMRrec_L"} << QStringList{"5.0 mm", "4.5 mm"}
            << QStringList{"OD medial rectus recession", "OS medial rectus recession"} << "32.5"
            << "2.5 PD, under-correction";
        QTest::newRow("exo, centred") << "Exotropia" << QStringList{"cmbLRrec_R", "cmbLRrec_L"}
                                      << QStringList{"6.0 mm", "6.0 mm"}
                                      << QStringList{"OD lateral rectus recession", "OS lateral rectus recession"}
                                      << "30"
                                      << "0 PD";
        QTest::newRow("exo, under-corrected")
            << "Exotropia" << QStringList{"cmbLRrec_R", "cmbLRrec_L"} << QStringList{"5.0 mm", "5.0 mm"}
            << QStringList{"OD lateral rectus recession", "OS lateral rectus recession"} << "20"
            << "10 PD, under-correction";
    }
    void theCalculatorShowsThePlanSummary() {
        QFETCH(QString, workup);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, items);
        QFETCH(QStringList, lines);
        QFETCH(QString, total);
        QFETCH(QString, residual);
        MessageAnswerer answerer;
        const Road& road = roadOf(workup);
        QWidget* calculator = handOff(road);
        QWidget* behind = Navigator::instance().find(QLatin1String(road.workup));
        auto* summary = control<QPlainTextEdit>(calculator, "txtPlanSummary");
        QVERIFY(summary->isReadOnly());
        QVERIFY(summary->toPlainText().isEmpty());

        // Each dose reaches the summary as soon as its box is left.
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            dose(calculator, qPrintable(boxes[i]), qPrintable(items[i]));
            const QString line = lineOf(doseBoxNamed(boxes[i]), qPrintable(lines[i].left(2)),
                                        qPrintable(lines[i].mid(3)), qPrintable(items[i]));
            QVERIFY2(summary->toPlainText().split(u'\n').contains(line),
                     qPrintable(line + u'\n' + summary->toPlainText()));
        }
        click(control<QPushButton>(calculator, "Showresult"));
        QCOMPARE(control<QLineEdit>(calculator, "CTotal")->text(), total);
        const QStringList shown = summary->toPlainText().split(u'\n');
        QVERIFY2(shown.contains(QStringLiteral("Total correction: %1 PD").arg(total)), qPrintable(shown.join(u'\n')));
        QVERIFY2(shown.contains(QStringLiteral("Residual (deviation - total): ") + residual),
                 qPrintable(shown.join(u'\n')));
        // The box shows the plan from its first line on.
        int planLine = 0;
        while (planLine < shown.size() && !shown[planLine].startsWith(QLatin1String("Plan, non-fixing eye: ")))
            ++planLine;
        const QTextBlock plan = summary->document()->findBlockByNumber(planLine);
        QVERIFY(plan.isValid());
        QTextCursor atPlan(plan);
        const QRect line = summary->cursorRect(atPlan);
        QVERIFY2(line.top() >= 0 && line.top() < summary->viewport()->height() / 3,
                 qPrintable(QStringLiteral("the plan's first line is at %1 of %2")
                                .arg(line.top())
                                .arg(summary->viewport()->height())));
        // The work-up behind the calculator, as it wrote itself.
        const char* diagnosis = workup == QLatin1String("Esotropia") ? "Label2" : "Label9";
        const char* aca = workup == QLatin1String("Esotropia") ? "Label1" : "Label24";
        const QString written = control<QLabel>(behind, diagnosis)->text().trimmed();
        QVERIFY(!written.isEmpty());
        QVERIFY(shown.contains(QStringLiteral("Work-up: ") + workup));
        QVERIFY(shown.contains(QStringLiteral("Diagnosis: ") + written));
        QVERIFY(shown.contains(QStringLiteral("AC/A class: ") + control<QLabel>(behind, aca)->text().trimmed()));
        QVERIFY(shown.contains(QStringLiteral("Patient: ") + QLatin1String(road.typed.first().second)));
        // Read to its end from the keyboard.
        click(summary);
        QTest::keyClick(summary, Qt::Key_End, Qt::ControlModifier);
        const QTextCursor end = summary->textCursor();
        QCOMPARE(end.blockNumber(), int(shown.size()) - 1);
        QVERIFY(summary->viewport()->rect().contains(summary->cursorRect(end)));
        QVERIFY(answerer.texts().isEmpty());
    }

    void theSummaryCoversNoOtherControl_data() {
        QTest::addColumn<bool>("handedOff");
        QTest::newRow("opened from Home") << false;
        QTest::newRow("after the eso hand-off") << true;
    }
    void theSummaryCoversNoOtherControl() {
        QFETCH(bool, handedOff);
        MessageAnswerer answerer;
        QWidget* calculator = handedOff ? planned(kEsoRoad, {{"cmbMRrec_R", "5.0 mm"}}) : openScreen("Squint");
        auto* summary = control<QPlainTextEdit>(calculator, "txtPlanSummary");
        QVERIFY(summary->isVisible());
        const QRect area(summary->mapTo(calculator, QPoint(0, 0)), summary->size());
        QVERIFY(calculator->rect().contains(area));
        // Below the patterns, above the navigation buttons.
        QVERIFY(area.top() > control<QWidget>(calculator, "Frame5")->geometry().bottom());
        QVERIFY(area.bottom() < control<QWidget>(calculator, "Frame7")->geometry().top());
        int others = 0;
        for (QWidget* other : calculator->findChildren<QWidget*>()) {
            if (other == summary || summary->isAncestorOf(other) || !other->isVisibleTo(calculator)) continue;
            const QRect at(other->mapTo(calculator, QPoint(0, 0)), other->size());
            QVERIFY2(!at.intersects(area), qPrintable(other->objectName() + QStringLiteral(" is covered")));
            ++others;
        }
        QVERIFY(others > 50);
    }

    // "Print" sends exactly the screen's page unless the summary is asked
    // for; then the summary's page follows, the one the calculator shows.
    void printingAddsTheSummaryPageOnlyWhenTicked() {
        MessageAnswerer answerer;
        bench_->installed = {QStringLiteral("Office")};
        bench_->defaultName = QStringLiteral("Office");
        ocu::PrintService::instance().usePrinters(std::make_unique<StandInPrinters>(bench_));
        QWidget* calculator = planned(kEsoRoad, {{"cmbMRrec_R", "5.0 mm"}, {"cmbMRrec_L", "5.0 mm"}});
        QWidget* print = printScreenFrom(calculator, "Command4");
        click(control<QPushButton>(print, "Command2"));
        click(control<QCheckBox>(print, "chkPlanSummary"));
        click(control<QPushButton>(print, "Command2"));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(bench_->jobs.size(), 2);
        QCOMPARE(bench_->jobs[0].pages.size(), 1);
        QVERIFY(bench_->jobs[0].summary.isEmpty());
        QCOMPARE(bench_->jobs[1].pages.size(), 2);
        QCOMPARE(bench_->jobs[1].summary.join(u'\n'),
                 control<QPlainTextEdit>(calculator, "txtPlanSummary")->toPlainText());
        QCOMPARE(bench_->jobs[1].page, bench_->jobs[0].page);
        const QImage& second = bench_->jobs[1].pages[1];
        QVERIFY(second.height() > second.width());
        QVERIFY(!inkedArea(second).isEmpty());
    }

    // Before any hand-off, the work-up's summary holds what the work-up has.
    void aWorkupsSummaryHoldsTheWorkup() {
        MessageAnswerer answerer;
        bench_->installed = {QStringLiteral("Office")};
        bench_->defaultName = QStringLiteral("Office");
        ocu::PrintService::instance().usePrinters(std::make_unique<StandInPrinters>(bench_));
        QWidget* eso = walk(kEsoRoad);
        QWidget* print = printScreenFrom(eso, kEsoRoad.print);
        click(control<QCheckBox>(print, "chkPlanSummary"));
        click(control<QPushButton>(print, "Command2"));
        QCOMPARE(bench_->jobs.size(), 1);
        const QStringList& summary = bench_->jobs[0].summary;
        const QString letter = control<QLineEdit>(eso, "Text1")->text();
        const QString pattern =
            letter.isEmpty() ? QStringLiteral("not recorded") : letter + QStringLiteral(" Patterns");
        for (const QString& line :
             {QStringLiteral("Patient: Asha Kumar"), QStringLiteral("Age: 6    Sex: F    Registration no.: R-77"),
              QStringLiteral("Work-up: Esotropia"), QStringLiteral("  Near gaze with +3 sph add: 20 PD"),
              QStringLiteral("Diagnosis: ") + control<QLabel>(eso, "Label2")->text().trimmed(),
              QStringLiteral("AC/A class: ") + control<QLabel>(eso, "Label1")->text().trimmed(),
              QStringLiteral("Pattern: ") + pattern,
              QStringLiteral("Surgical option chosen: 1, ") + control<QLabel>(eso, "Label19")->text().trimmed(),
              QStringLiteral("Plan: not yet made on the amount calculator")}) {
            QVERIFY2(summary.contains(line), qPrintable(line + u'\n' + summary.join(u'\n')));
        }
        QCOMPARE(bench_->jobs[0].pages.size(), 2);
    }

    void theDialogProposesScreenPatientAndDate_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("patient");
        QTest::addColumn<QString>("name");
        QTest::newRow("eso work-up") << "Esotropia"
                                     << "Asha Kumar"
                                     << "Esotropia - Asha Kumar";
        QTest::newRow("exo work-up, a slash in the name") << "Exotropia"
                                                          << "Kumar/Ravi"
                                                          << "Exotropia - Kumar_Ravi";
        QTest::newRow("calculator without a patient") << "Squint"
                                                      << ""
                                                      << "Squint";
    }
    void theDialogProposesScreenPatientAndDate() {
        QFETCH(QString, screen);
        QFETCH(QString, patient);
        QFETCH(QString, name);
        MessageAnswerer answerer;
        QWidget* printed = nullptr;
        QWidget* print = nullptr;
        if (screen == QLatin1String("Squint")) {
            printed = openScreen("Squint");
            print = printScreenFrom(printed, "Command4");
        } else {
            printed = openScreen(qPrintable(screen));
            auto* box = control<QLineEdit>(printed, "Text2");
            typeInto(box, patient);
            print = printScreenFrom(printed, roadOf(screen).print);
        }
        // The user types a name of their own, without the suffix.
        const QString typed = QDir(scratch_->path()).filePath(QStringLiteral("record"));
        SaveDialogAnswerer dialog(typed);
        click(control<QPushButton>(print, "cmdSavePdf"));
        QCOMPARE(dialog.titles(), QStringList{QStringLiteral("Save As PDF")});
        QCOMPARE(dialog.filters(), QStringList{QStringLiteral("PDF (*.pdf)")});
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(dialog.proposals(),
                 QStringList{QDir(documents_).filePath(QStringLiteral("%1 - %2.pdf").arg(name, today))});
        QCOMPARE(entriesOf(scratch_->path()), QStringList{QStringLiteral("record.pdf")});
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(pagesOf(typed + QStringLiteral(".pdf")).size(), 1);
    }

    // A summary longer than a page goes on over as many pages as it takes,
    // each upright, and the proposed name stays one a folder can hold.
    void aLongSummaryGoesOnToMorePages() {
        MessageAnswerer answerer;
        QWidget* eso = openScreen("Esotropia");
        auto* name = control<QLineEdit>(eso, "Text2");
        QString pasted;
        for (int i = 0; i < 2000; ++i) pasted += QStringLiteral("Kumar%1 ").arg(i);
        QGuiApplication::clipboard()->setText(pasted);
        click(name);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), pasted);
        QWidget* print = printScreenFrom(eso, kEsoRoad.print);
        click(control<QCheckBox>(print, "chkPlanSummary"));
        const QString pdf = QDir(scratch_->path()).filePath(QStringLiteral("long.pdf"));
        SaveDialogAnswerer dialog(pdf);
        click(control<QPushButton>(print, "cmdSavePdf"));
        keepCopy(pdf);
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(dialog.proposals().size(), 1);
        QVERIFY(QFileInfo(dialog.proposals().first()).fileName().toUtf8().size() <= 255);
        const QList<PageInfo> pages = pagesOf(pdf);
        QVERIFY2(pages.size() > 2, qPrintable(QString::number(pages.size())));
        for (qsizetype i = 1; i < pages.size(); ++i) {
            QVERIFY(pages[i].points.height() > pages[i].points.width());
            QCOMPARE(pages[i].rotation, 0);
        }
        const QString last = tool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-f"), QString::number(pages.size()), pdf, QStringLiteral("-")});
        QVERIFY2(last.contains(QStringLiteral("Surgeon:")), qPrintable(last));
        const QString all = tool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(all.contains(QStringLiteral("Kumar1999")));
    }

    void cancellingTheDialogSavesNothingAndSaysNothing() {
        MessageAnswerer answerer;
        QWidget* print = printScreenFrom(walk(kExoRoad), kExoRoad.print);
        SaveDialogAnswerer dialog{QString()};
        click(control<QPushButton>(print, "cmdSavePdf"));
        QCOMPARE(dialog.proposals().size(), 1);
        QVERIFY(answerer.texts().isEmpty());
        QVERIFY(entriesOf(documents_).isEmpty());
        QVERIFY(entriesOf(scratch_->path()).isEmpty());
    }

    // A file that cannot be written: the user is told which, and the folder
    // holds no part of it (an earlier file of that name stays as it was).
    void aFileThatCannotBeWrittenLeavesNothingAndSaysSo_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("a file where the folder should be") << "not a folder";
        QTest::newRow("full disk") << "full";
        QTest::newRow("full disk, an earlier file") << "full, earlier";
    }
    void aFileThatCannotBeWrittenLeavesNothingAndSaysSo() {
        QFETCH(QString, where);
        MessageAnswerer answerer;
        QWidget* print = printScreenFrom(walk(kEsoRoad), kEsoRoad.print);
        click(control<QCheckBox>(print, "chkPlanSummary"));
        const QDir scratch(scratch_->path());
        QString folder = scratch.filePath(QStringLiteral("records"));
        QVERIFY(scratch.mkpath(QStringLiteral("records")));
        QString pdf = QDir(folder).filePath(QStringLiteral("Esotropia.pdf"));
        const QByteArray earlier("an earlier record");
        std::unique_ptr<FullDisk> full;
        const auto writable = qScopeGuard([folder] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (where == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("this user writes into read-only folders (root); the other rows cover it");
            }
        } else if (where == QLatin1String("not a folder")) {
            QFile plain(scratch.filePath(QStringLiteral("plain")));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.close();
            folder = plain.fileName();
            pdf = QDir(folder).filePath(QStringLiteral("Esotropia.pdf"));
        } else {
            if (where.contains(QLatin1String("earlier"))) {
                QFile old(pdf);
                QVERIFY(old.open(QIODevice::WriteOnly));
                old.write(earlier);
            }
            full = std::make_unique<FullDisk>(4096);
        }
        SaveDialogAnswerer dialog(pdf);
        click(control<QPushButton>(print, "cmdSavePdf"));
        full.reset();
        QCOMPARE(dialog.proposals().size(), 1);
        QCOMPARE(dialog.questions().size(), where.contains(QLatin1String("earlier")) ? 1 : 0);
        QCOMPARE(answerer.texts().size(), 1);
        const QString said = answerer.texts().first();
        const QString start = QStringLiteral(" The record could not be saved as %1: ").arg(pdf);
        const QString end = QStringLiteral(". Nothing was written. ");
        QVERIFY2(said.startsWith(start) && said.endsWith(end) && said.size() > start.size() + end.size(),
                 qPrintable(said));
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Ocuvance")});
        if (where.contains(QLatin1String("earlier"))) {
            QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("Esotropia.pdf")});
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), earlier);
        } else if (QFileInfo(folder).isDir()) {
            QVERIFY2(entriesOf(folder).isEmpty(), qPrintable(entriesOf(folder).join(u' ')));
        } else {
            QVERIFY(!QFileInfo::exists(pdf));
            QCOMPARE(QFileInfo(folder).size(), 0);
        }
    }

    void aClosedScreenIsNotSavedAndTheUserIsTold() {
        MessageAnswerer answerer;
        QWidget* print = printScreenFrom(walk(kEsoRoad), kEsoRoad.print);
        Navigator::instance().close(QStringLiteral("Esotropia"));
        flushDeletes();
        SaveDialogAnswerer dialog(QDir(scratch_->path()).filePath(QStringLiteral("gone.pdf")));
        click(control<QPushButton>(print, "cmdSavePdf"));
        QVERIFY(dialog.proposals().isEmpty());
        QCOMPARE(answerer.texts(),
                 QStringList{QStringLiteral(" The Esotropia screen has been closed, so there is nothing to "
                                            "save. Please open it again and press its Print button. ")});
        QVERIFY(entriesOf(scratch_->path()).isEmpty());
    }

private:
    QTemporaryDir home_;
    QString documents_;
    QLocale locale_;
    std::unique_ptr<QTemporaryDir> scratch_;  // a folder of each test's own
    std::shared_ptr<PrinterBench> bench_;
};

QTEST_MAIN(RecordTest)
#include "record_test.moc"
