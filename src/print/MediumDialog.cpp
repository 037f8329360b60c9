#include "print/MediumDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "print/DiscTray.h"
#include "print/MediumChoice.h"
#include "print/PrintControlIds.h"
#include "print/PrintLabel.h"
#include "print/PrinterSelection.h"
#include "sheets/SheetPositions.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"

namespace quillora::print {
namespace {

constexpr int kSheetListWidthChars = 28;

QString Millimetres(double mm) { return QString::number(mm, 'g', 5) + QStringLiteral("mm"); }

// The paper, the die-cut and the number of positions; the maker's description below.
QString Details(const sheets::LabelSheet& sheet) {
    const QString paper = sheet.paperName.empty() ? QString() : QString::fromStdString(sheet.paperName) + QLatin1Char(' ');
    return QString::fromUtf8("%1%2×%3・ﾃﾞｨｽｸ %4／穴 %5・%6 か所\n%7")
        .arg(paper, Millimetres(sheet.paperWidthMm), Millimetres(sheet.paperHeightMm), Millimetres(sheet.outerMm),
             Millimetres(sheet.holeMm))
        .arg(sheet.centres.size())
        .arg(QString::fromStdString(sheet.description));
}

// Wide and tall enough for the details of every sheet, so the fixed dialog never cuts them.
void FitDetails(QLabel& details, const std::vector<sheets::LabelSheet>& sheets) {
    QSize size;
    for (const sheets::LabelSheet& sheet : sheets) {
        size = size.expandedTo(details.fontMetrics().size(0, Details(sheet)));
    }
    details.setMinimumSize(size);
}

QDoubleSpinBox* OffsetField(QWidget* parent, int id, int tenths) {
    auto* field = widgets::WithId(new QDoubleSpinBox(parent), id);
    field->setDecimals(1);
    field->setSingleStep(0.1);
    field->setRange(-settings::kMaxOffsetTenths / 10.0, settings::kMaxOffsetTenths / 10.0);
    field->setSuffix(QStringLiteral(" mm"));
    field->setValue(tenths / 10.0);
    return field;
}

std::int32_t Tenths(const QDoubleSpinBox& field) { return static_cast<std::int32_t>(std::lround(field.value() * 10)); }

QString ProblemsText(const std::vector<sheets::SheetProblem>& problems) {
    QString text = QString::fromUtf8("ﾗﾍﾞﾙｼｰﾄの表に読めない箇所があります。ほかのｼｰﾄは使えます。\n");
    for (const sheets::SheetProblem& p : problems) {
        text += QStringLiteral("\n%1:%2: %3").arg(QString::fromStdString(p.file)).arg(p.line).arg(QString::fromStdString(p.message));
    }
    return text;
}

}  // namespace

MediumDialog::MediumDialog(workspace::Workspace& ws, PrinterSelection& selection, sheets::SheetTable table,
                           QWidget* parent)
    : QDialog(parent), ws_(ws), selection_(selection), table_(std::move(table)) {
    setWindowTitle(QString::fromUtf8("ﾗﾍﾞﾙ用紙と位置補正"));
    const settings::MediumSettings& medium = ws.settings.medium;

    paper_ = widgets::WithId(new QRadioButton(QString::fromUtf8("用紙(&P) － 印刷設定の余白に 1 枚"), this), kIdMediumPaper);
    sheet_ = widgets::WithId(new QRadioButton(QString::fromUtf8("ﾗﾍﾞﾙｼｰﾄ(&S)："), this), kIdMediumSheet);
    sheetList_ = widgets::WithId(new QComboBox(this), kIdSheetList);
    sheetList_->setMinimumContentsLength(kSheetListWidthChars);
    for (const sheets::LabelSheet& s : table_.sheets) sheetList_->addItem(QString::fromStdString(s.name));
    details_ = widgets::WithId(new QLabel(this), kIdSheetDetails);
    FitDetails(*details_, table_.sheets);
    positions_ = widgets::WithId(new QLineEdit(QString::fromStdString(medium.positions), this), kIdPositions);
    positions_->setToolTip(QString::fromUtf8("例: 1　1,3-4　all"));
    auto* all = widgets::MakeButton(*this, QString::fromUtf8("すべて(&A)"), kIdAllPositions);
    auto* positionsLabel = new QLabel(QString::fromUtf8("位置(&N)："), this);
    positionsLabel->setBuddy(positions_);

    disc_ = widgets::WithId(new QRadioButton(QString::fromUtf8("ﾃﾞｨｽｸに直接印刷(&D) － ﾌﾟﾘﾝﾀのﾃﾞｨｽｸﾄﾚｲで"), this), kIdMediumDisc);
    const QPrinter& printer = selection.Printer();
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    disc_->setEnabled(!toFile && QueueDiscTray(printer.printerName()).has_value());

    const int index = sheetList_->findText(QString::fromStdString(medium.sheet));
    sheetList_->setCurrentIndex(std::max(index, 0));
    const auto kind = static_cast<settings::MediumKind>(medium.kind);
    const bool onSheet = index >= 0 && kind == settings::MediumKind::Sheet;
    const bool onDisc = disc_->isEnabled() && kind == settings::MediumKind::Disc;
    (onSheet ? sheet_ : onDisc ? disc_ : paper_)->setChecked(true);
    sheet_->setEnabled(!table_.sheets.empty());

    auto* mediumGrid = new QGridLayout;
    mediumGrid->addWidget(paper_, 0, 0, 1, 3);
    mediumGrid->addWidget(sheet_, 1, 0);
    mediumGrid->addWidget(sheetList_, 1, 1, 1, 2);
    mediumGrid->addWidget(details_, 2, 1, 1, 2);
    mediumGrid->addWidget(positionsLabel, 3, 0, Qt::AlignRight);
    mediumGrid->addWidget(positions_, 3, 1);
    mediumGrid->addWidget(all, 3, 2);
    mediumGrid->addWidget(disc_, 4, 0, 1, 3);
    auto* mediumBox = new QGroupBox(QString::fromUtf8("印刷する用紙"), this);
    mediumBox->setLayout(mediumGrid);

    const settings::PrinterOffset offset = OffsetOf(ws.settings.printerOffsets, printer);
    auto* printerName = widgets::WithId(
        new QLabel(toFile ? QString::fromUtf8("ﾌｧｲﾙへの出力には補正はありません。")
                          : QString::fromUtf8("ﾌﾟﾘﾝﾀ：%1").arg(printer.printerName()),
                   this),
        kIdOffsetPrinter);
    offsetX_ = OffsetField(this, kIdOffsetX, offset.xTenths);
    offsetY_ = OffsetField(this, kIdOffsetY, offset.yTenths);
    offsetX_->setEnabled(!toFile);
    offsetY_->setEnabled(!toFile);
    auto* xLabel = new QLabel(QString::fromUtf8("X(&X)："), this);
    auto* yLabel = new QLabel(QString::fromUtf8("Y(&Y)："), this);
    xLabel->setBuddy(offsetX_);
    yLabel->setBuddy(offsetY_);
    auto* hint = new QLabel(QString::fromUtf8("X が正なら印刷は右へ、Y が正なら下へ動きます。"), this);
    auto* calibrate = widgets::MakeButton(*this, QString::fromUtf8("位置合わせﾍﾟｰｼﾞを印刷(&C)..."), kIdCalibrationPage);
    auto* offsetGrid = new QGridLayout;
    offsetGrid->addWidget(printerName, 0, 0, 1, 4);
    offsetGrid->addWidget(xLabel, 1, 0, Qt::AlignRight);
    offsetGrid->addWidget(offsetX_, 1, 1);
    offsetGrid->addWidget(yLabel, 1, 2, Qt::AlignRight);
    offsetGrid->addWidget(offsetY_, 1, 3);
    offsetGrid->addWidget(hint, 2, 0, 1, 4);
    offsetGrid->addWidget(calibrate, 3, 0, 1, 4, Qt::AlignLeft);
    auto* offsetBox = new QGroupBox(QString::fromUtf8("ﾌﾟﾘﾝﾀの位置補正"), this);
    offsetBox->setLayout(offsetGrid);

    const widgets::DialogButtons okCancel = widgets::MakeOkCancel(*this);
    auto* boxes = new QVBoxLayout;
    boxes->addWidget(mediumBox);
    boxes->addWidget(offsetBox);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(widgets::ButtonColumn({okCancel.ok, okCancel.cancel}));

    const auto enableSheet = [=, this](bool on) {
        for (QWidget* w : std::initializer_list<QWidget*>{sheetList_, details_, positions_, all, positionsLabel})
            w->setEnabled(on);
    };
    connect(sheet_, &QRadioButton::toggled, this, enableSheet);
    connect(sheet_, &QRadioButton::clicked, sheetList_, [this] { sheetList_->setFocus(); });
    connect(sheetList_, &QComboBox::currentIndexChanged, this, &MediumDialog::ShowSheet);
    connect(all, &QPushButton::clicked, this, [this] {
        if (const sheets::LabelSheet* s = ChosenSheet()) positions_->setText(QString::fromStdString(sheets::AllPositions(int(s->centres.size()))));
    });
    connect(calibrate, &QPushButton::clicked, this, [this] {
        const sheets::LabelSheet* s = sheet_->isChecked() ? ChosenSheet() : nullptr;
        PrintCalibration(ws_, selection_, this, s ? std::optional(*s) : std::nullopt);
    });
    enableSheet(sheet_->isChecked());
    ShowSheet();
    okCancel.ok->setFocus();
    widgets::FixDialogSize(*this, 0, 0);
}

const sheets::LabelSheet* MediumDialog::ChosenSheet() const {
    const int index = sheetList_->currentIndex();
    return index >= 0 && index < int(table_.sheets.size()) ? &table_.sheets[index] : nullptr;
}

void MediumDialog::ShowSheet() {
    const sheets::LabelSheet* sheet = ChosenSheet();
    details_->setText(sheet ? Details(*sheet) : QString());
    // Positions the new sheet lacks become the first.
    if (sheet && !PositionsProblem().isEmpty()) positions_->setText(QStringLiteral("1"));
}

QString MediumDialog::PositionsProblem() const {
    const sheets::LabelSheet* sheet = ChosenSheet();
    if (!sheet || sheets::ParsePositions(positions_->text().toStdString(), int(sheet->centres.size()))) return {};
    return QString::fromUtf8("位置は 1～%1 の番号で指定します (例: 1　1,3-4　all)。").arg(sheet->centres.size());
}

void MediumDialog::accept() {
    if (sheet_->isChecked()) {
        if (const QString problem = PositionsProblem(); !problem.isEmpty()) {
            ws_.interaction.ShowMessage(workspace::Warning(this, problem));
            positions_->setFocus();
            return;
        }
    }
    settings::MediumSettings& medium = ws_.settings.medium;
    medium.kind = static_cast<std::int32_t>(sheet_->isChecked() ? settings::MediumKind::Sheet
                                            : disc_->isChecked() ? settings::MediumKind::Disc
                                                                 : settings::MediumKind::Paper);
    if (const sheets::LabelSheet* sheet = ChosenSheet()) medium.sheet = sheet->name;
    medium.positions = positions_->text().trimmed().toStdString();
    const QPrinter& printer = selection_.Printer();
    if (printer.outputFormat() != QPrinter::PdfFormat) {
        const settings::PrinterOffset offset{Tenths(*offsetX_), Tenths(*offsetY_)};
        const std::string name = printer.printerName().toStdString();
        if (offset == settings::PrinterOffset{}) ws_.settings.printerOffsets.erase(name);
        else ws_.settings.printerOffsets[name] = offset;
    }
    QDialog::accept();
}

void ShowMediumDialog(workspace::Workspace& ws, PrinterSelection& selection) {
    sheets::SheetTable table = sheets::LoadLabelSheets(ws.programDir, ws.settingsDir);
    if (!table.problems.empty()) ws.interaction.ShowMessage(workspace::Warning(ws.frame, ProblemsText(table.problems)));
    MediumDialog dialog(ws, selection, std::move(table), ws.frame);
    ws.interaction.RunDialog(dialog);
}

}  // namespace quillora::print
