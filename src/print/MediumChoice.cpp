#include "print/MediumChoice.h"

#include <QPrinter>

#include "sheets/SheetPositions.h"

namespace quillora::print {

MediumChoice ChooseMedium(const settings::MediumSettings& medium, const sheets::SheetTable& table) {
    if (medium.kind == static_cast<std::int32_t>(settings::MediumKind::Disc)) return {std::nullopt, {}, true};
    if (medium.kind != static_cast<std::int32_t>(settings::MediumKind::Sheet)) return {};
    const sheets::LabelSheet* sheet = sheets::FindSheet(table, medium.sheet);
    const QString name = QString::fromStdString(medium.sheet);
    if (!sheet) return {std::nullopt, QString::fromUtf8("ﾗﾍﾞﾙｼｰﾄ \"%1\" が見つかりません。").arg(name)};
    const auto positions = sheets::ParsePositions(medium.positions, int(sheet->centres.size()));
    if (!positions) {
        return {std::nullopt, QString::fromUtf8("ﾗﾍﾞﾙｼｰﾄ \"%1\" に位置 \"%2\" はありません (1～%3)。")
                                  .arg(name, QString::fromStdString(medium.positions))
                                  .arg(sheet->centres.size())};
    }
    return {SheetJob{*sheet, *positions, {}}, {}, false};
}

std::optional<MediumChoice> MediumForJob(workspace::Workspace& ws) {
    MediumChoice medium = ChooseMedium(ws.settings.medium, sheets::LoadLabelSheets(ws.programDir, ws.settingsDir));
    if (medium.problem.isEmpty()) return medium;
    ws.interaction.ShowMessage(workspace::Warning(ws.frame, medium.problem));
    return std::nullopt;
}

std::optional<DiscPlan> DiscPlanFor(workspace::Workspace& ws, const QPrinter& printer) {
    const settings::PrinterOffset offset = OffsetOf(ws.settings.printerOffsets, printer);
    if (printer.outputFormat() == QPrinter::PdfFormat) return FileDiscPlan(ws.doc.SafeOuterMm(), offset);
    const std::optional<DiscTray> tray = QueueDiscTray(printer.printerName());
    QString problem = QString::fromUtf8("ﾌﾟﾘﾝﾀ \"%1\" にはﾃﾞｨｽｸﾄﾚｲがありません。ﾃﾞｨｽｸに直接印刷できません。")
                          .arg(printer.printerName());
    if (tray) {
        DiscPlanResult result = PlanDiscJob(*tray, ws.doc.SafeOuterMm(), ws.doc.SafeInnerMm(), offset);
        if (result.plan) return result.plan;
        problem = result.problem;
    }
    ws.interaction.ShowMessage(workspace::Warning(ws.frame, problem));
    return std::nullopt;
}

settings::PrinterOffset OffsetOf(const settings::PrinterOffsets& offsets, const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return {};
    const auto found = offsets.find(printer.printerName().toStdString());
    return found == offsets.end() ? settings::PrinterOffset{} : found->second;
}

}  // namespace quillora::print
